#include "aidsettings/aid_settings.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "aidsettings/settings_exchange.h"
#include "catalogue/file_error.h"
#include "catalogue/file_path.h"
#include "catalogue/whole_file.h"

namespace tarvo {

namespace {

// Every group of the program's settings, in one place for reading and writing.
void ExchangeGroups(SettingsExchange& io, AidSettings& settings) {
    io.Group("GPS", [&] { Exchange(io, settings.Gps); });
    io.Group("Horizon", [&] { Exchange(io, settings.Horizon); });
    io.Group("SunOutages", [&] { Exchange(io, settings.SunOutages); });
}

// QSettings reads and writes files by name only. The bytes of pointing.ini reach it
// through a copy in a temporary folder of the system, so that the file itself is read
// by the program's own reader and replaced by its atomic writer, and no lock file of
// QSettings is ever left in the working folder.
class ScratchIni {
  public:
    // Empty `failure` when the copy is in place; else the reason it is not.
    ScratchIni(std::string_view bytes, std::string& failure) {
        if (!folder_.isValid()) {
            failure = folder_.errorString().toStdString();
            return;
        }
        QFile file(Path());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size()) ||
            !file.flush()) {
            failure = file.errorString().toStdString();
        }
    }

    QString Path() const { return folder_.filePath(QStringLiteral("scratch.ini")); }

    // The bytes QSettings left in the copy; empty `failure` when they could be read.
    std::string Bytes(std::string& failure) const {
        QFile file(Path());
        if (!file.open(QIODevice::ReadOnly)) {
            failure = file.errorString().toStdString();
            return {};
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            failure = file.errorString().toStdString();
        }
        return bytes.toStdString();
    }

  private:
    QTemporaryDir folder_;
};

bool IsMissing(std::string_view fileName) {
    std::error_code error;
    return !std::filesystem::exists(std::filesystem::symlink_status(FilePath(fileName), error));
}

}  // namespace

AidSettings ReadAidSettings(std::string_view fileName) {
    AidSettings settings;
    std::string bytes;
    try {
        bytes = ReadWholeFile(fileName);
    } catch (const FileOpenError&) {
        if (IsMissing(fileName)) {
            return settings;  // no file yet: the defaults, nothing asked
        }
        throw;
    }
    std::string failure;
    const ScratchIni scratch(bytes, failure);
    if (!failure.empty()) {
        throw FileReadError(failure);
    }
    // Lines QSettings cannot make sense of are passed over; what it read is used.
    QSettings file(scratch.Path(), QSettings::IniFormat);
    SettingsExchange io(file, SettingsExchange::Direction::Read);
    ExchangeGroups(io, settings);
    return settings;
}

void WriteAidSettings(const AidSettings& settings, std::string_view fileName) {
    // Groups this program does not know (a later version's) are carried over from the
    // file as it is now; a file that cannot be read now has none to give.
    std::string previous;
    try {
        previous = ReadWholeFile(fileName);
    } catch (const FileError&) {
        previous.clear();
    }
    std::string failure;
    const ScratchIni scratch(previous, failure);
    if (!failure.empty()) {
        throw FileWriteError(failure);
    }
    {
        QSettings file(scratch.Path(), QSettings::IniFormat);
        AidSettings values = settings;
        SettingsExchange io(file, SettingsExchange::Direction::Write);
        ExchangeGroups(io, values);
        file.sync();
        if (file.status() != QSettings::NoError) {
            throw FileWriteError("The settings could not be put into INI form.");
        }
    }
    const std::string bytes = scratch.Bytes(failure);
    if (!failure.empty()) {
        throw FileWriteError(failure);
    }
    WriteWholeFile(fileName, bytes);
}

}  // namespace tarvo
