// The settings file: read at start-up (rebuilt on request when missing or damaged) and
// rewritten whole after every change of a setting.

#include <optional>
#include <string>

#include "catalogue/file_error.h"
#include "catalogue/settings_file.h"
#include "mainwindow/frm_satellite.h"
#include "platform/platform_services.h"

namespace tarvo {

void frmSatellite::ReadINIFile() {
    MainWindowState& s = state_;
    std::optional<tarvo::Settings> read;
    try {
        read = ReadSettingsFile(kSettingsFileName);
    } catch (const FileError&) {
        // A tarvo.ini that cannot be read (a folder of that name, no access) is as
        // good as a missing one: the question below says so and offers the rebuild.
    }
    if (read) {
        s.Settings = *read;
        s.SettingsInFile = *read;
        return;
    }
    // Missing, unreadable, short, an unreadable number or no end mark: whatever was
    // read is dropped, and the user decides whether the defaults go to disk.
    const std::string question = "Tarvo.ini file is missing or corrupt." + s.LineBreak +
                                 "Do you want the program to rebuild it?";
    const MsgAnswer answer =
        platform_.messageBox(question, MsgButtons::YesNo, MsgIcon::Exclamation, s.MsgTitle);
    s.Settings = DefaultSettings();
    s.SettingsInFile = s.Settings;
    if (answer == MsgAnswer::Yes) {
        WriteINIFile();
    }
}

bool frmSatellite::WriteINIFile() {
    return RewriteINIFile({});
}

bool frmSatellite::RewriteINIFile(std::string_view note) {
    MainWindowState& s = state_;
    try {
        WriteSettingsFile(s.Settings, kSettingsFileName);
        s.SettingsInFile = s.Settings;
        return true;
    } catch (const FileError& error) {
        // The file keeps what it held, and so do the settings in memory: a later write
        // for another reason must not store a change that was refused here.
        s.Settings = s.SettingsInFile;
        ReportWriteFailure(kSettingsFileName, error.what(), note);
        return false;
    }
}

// A whole-file rewrite that failed: the old file is still there, and the user learns
// which file and why.
void frmSatellite::ReportWriteFailure(std::string_view fileName, std::string_view reason,
                                      std::string_view note) {
    const MainWindowState& s = state_;
    std::string text = "The file " + std::string(fileName) + " could not be written." +
                       s.LineBreak + std::string(reason);
    if (!note.empty()) {
        text += s.LineBreak + std::string(note);
    }
    platform_.messageBox(text, MsgButtons::Ok, MsgIcon::Exclamation, s.MsgTitle);
}

}  // namespace tarvo
