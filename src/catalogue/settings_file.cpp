#include "catalogue/settings_file.h"

#include <cerrno>
#include <filesystem>
#include <new>
#include <vector>

#include "catalogue/file_error.h"
#include "catalogue/file_path.h"
#include "catalogue/posix_file.h"
#include "catalogue/text_items.h"
#include "catalogue/whole_file.h"
#include "common/failure.h"
#include "common/fixed_text.h"
#include "common/int16.h"
#include "common/number_text.h"

namespace tarvo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kLineCount = 14;

// A number as the settings file holds it: a space before a value that is not
// negative, one after every value, no zero before the point of a fraction.
std::string NumberLine(double value) {
    std::string text = NumberText(value);
    if (text.starts_with("0.")) {
        text.erase(0, 1);
    } else if (text.starts_with("-0.")) {
        text.erase(1, 1);
    }
    if (!text.starts_with('-')) {
        text.insert(0, 1, ' ');
    }
    return text + ' ';
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < kLineCount) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        lines.push_back(bytes.substr(start, end - start));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::string SettingsFileText(const Settings& s) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += kLineEnd;
    };
    line(NumberLine(s.ElOffset));
    line(NumberLine(s.AzOffset));
    line(s.LocFileName);
    line(FixedWidth(s.DefaultLocName, kLocNameWidth));
    line(NumberLine(s.DefaultLocLong));
    line(NumberLine(s.DefaultLocLat));
    line(s.SatFileName);
    line(NumberLine(s.SortAlpha));
    line(s.PrtFontName);
    line(NumberLine(s.PrtFontSize));
    line(NumberLine(s.PrtLeftMargin));
    line(NumberLine(s.PrtTopMargin));
    line(NumberLine(s.PrtLineSpacing));
    line(NumberLine(kSettingsEndMark));
    return text;
}

std::optional<Settings> ParseSettingsFile(std::string_view bytes) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    if (lines.size() < kLineCount) {
        return std::nullopt;
    }
    try {
        const auto small = [&lines](std::size_t n) {
            return RoundToInt16(LeadingNumber(lines[n]));
        };
        Settings s;
        s.ElOffset = LeadingNumber(lines[0]);
        s.AzOffset = LeadingNumber(lines[1]);
        s.LocFileName = std::string(lines[2]);
        s.DefaultLocName = FixedWidth(lines[3], kLocNameWidth);
        s.DefaultLocLong = LeadingNumber(lines[4]);
        s.DefaultLocLat = LeadingNumber(lines[5]);
        s.SatFileName = std::string(lines[6]);
        s.SortAlpha = small(7);
        s.PrtFontName = std::string(lines[8]);
        s.PrtFontSize = small(9);
        s.PrtLeftMargin = small(10);
        s.PrtTopMargin = small(11);
        s.PrtLineSpacing = small(12);
        if (small(13) != kSettingsEndMark) {
            return std::nullopt;
        }
        return s;
    } catch (const RunTimeFailure&) {
        return std::nullopt;
    }
}

std::optional<Settings> ReadSettingsFile(std::string_view fileName) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(fileName);
    } catch (const FileOpenError& error) {
        if (!std::filesystem::exists(std::filesystem::symlink_status(FilePath(fileName)))) {
            return std::nullopt;
        }
        throw;
    }
    try {
        return ParseSettingsFile(bytes);
    } catch (const std::bad_alloc&) {
        throw FileReadError(posix::ErrorText(ENOMEM));
    }
}

bool FnSettingsTextStorable(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos;
}

void WriteSettingsFile(const Settings& settings, std::string_view fileName) {
    // A name with a line break would end its line early and shift every setting after
    // it: such settings are refused whole and the old file stays.
    for (const std::string* text : {&settings.LocFileName, &settings.DefaultLocName,
                                    &settings.SatFileName, &settings.PrtFontName}) {
        if (!FnSettingsTextStorable(*text)) {
            throw FileWriteError("A name in the settings holds a line break: \"" + *text + "\"");
        }
    }
    WriteWholeFile(fileName, SettingsFileText(settings));
}

}  // namespace tarvo
