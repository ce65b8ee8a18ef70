#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/settings.h"

namespace tarvo {

// The settings file, read at start-up and rewritten whole after every change.
inline constexpr std::string_view kSettingsFileName = "tarvo.ini";

// The 14 lines of the settings file, each ended by CR LF. Number lines carry a space
// before a value that is not negative and one after every value (" 9009 "); a double
// between -1 and 1 is written without its leading zero (" .5 ", "-.5 ").
std::string SettingsFileText(const Settings& settings);

// The settings held by the bytes of a settings file, or nothing when the file is
// damaged: fewer than 14 lines, a number too large for its field, or a 14th line other
// than 9009. Lines may end in CR LF, LF or CR; lines after the 14th are ignored; a
// number line that holds no number reads as 0.
std::optional<Settings> ParseSettingsFile(std::string_view bytes);

// ParseSettingsFile on a file, nothing as well when there is no file of that name:
// a missing file and a damaged one are alike the state the program starts afresh from
// (the window asks whether to rebuild the file and uses DefaultSettings()). A file
// that is there but cannot be read (a folder, a device or a pipe, no access, a read
// error, no memory) throws FileError with the reason.
std::optional<Settings> ReadSettingsFile(std::string_view fileName = kSettingsFileName);

// True when a text (a file name, the default location's name) can stand on a line of
// the settings file: it holds no carriage return and no line feed, either of which
// would end the line early and shift every setting after it.
bool FnSettingsTextStorable(std::string_view text);

// Replaces the settings file. Throws FileWriteError with the reason; the old file then
// stays as it was. Settings whose names (files, default location, printer font) are not
// all FnSettingsTextStorable are refused that way too.
void WriteSettingsFile(const Settings& settings, std::string_view fileName = kSettingsFileName);

}  // namespace tarvo
