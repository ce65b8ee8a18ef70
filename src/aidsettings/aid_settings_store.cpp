#include "aidsettings/aid_settings_store.h"

#include <utility>

#include "catalogue/file_error.h"

namespace tarvo {

AidSettingsStore::AidSettingsStore(std::string fileName) : fileName_(std::move(fileName)) {
    try {
        settings_ = ReadAidSettings(fileName_);
    } catch (const FileError& error) {
        readFailure_ = error.what();
    }
}

void AidSettingsStore::Save(const AidSettings& changed) {
    settings_ = changed;
    try {
        WriteAidSettings(settings_, fileName_);
    } catch (...) {
        emit Changed();
        throw;
    }
    emit Changed();
}

}  // namespace tarvo
