#pragma once

#include <QObject>
#include <string>
#include <string_view>

#include "aidsettings/aid_settings.h"

namespace tarvo {

// The one holder of the pointing aid's settings in the running program. main.cpp
// makes it before the main window and hands it to that window (setAidSettings); it
// reads pointing.ini of the working folder once, at start. The aid's commands and
// windows are given a reference to it, read Settings() and commit a change with Save().
// Nothing else reads or writes the file. A window showing something of the settings
// follows Changed().
class AidSettingsStore : public QObject {
    Q_OBJECT
  public:
    explicit AidSettingsStore(std::string fileName = std::string(kAidSettingsFileName));

    const AidSettings& Settings() const { return settings_; }

    // The reason pointing.ini could not be read at start (the defaults are then in
    // use), or empty when it was read or was not there.
    const std::string& ReadFailure() const { return readFailure_; }

    // Makes `changed` the settings in use and writes the file whole. Throws
    // FileWriteError with the system's reason: the old file then stays as it was, and
    // the settings in use keep the change for the rest of the run. Changed() is
    // signalled either way, before the exception leaves.
    void Save(const AidSettings& changed);

    const std::string& FileName() const { return fileName_; }

  signals:
    // The settings in use changed (Save).
    void Changed();

  private:
    std::string fileName_;
    AidSettings settings_;
    std::string readFailure_;
};

}  // namespace tarvo
