// Reads arbitrary bytes as a settings file; settings read from it must be written out
// in a form that reads back to the same file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto settings = tarvo::ParseSettingsFile(bytes);
    if (!settings) {
        return 0;
    }
    if (settings->DefaultLocName.size() != 50) {
        std::abort();
    }
    // A double whose 15-digit text rounds beyond the double range cannot be read back.
    for (double value : {settings->ElOffset, settings->AzOffset, settings->DefaultLocLong,
                         settings->DefaultLocLat}) {
        if (std::fabs(value) > 1e308) {
            return 0;
        }
    }
    const std::string text = tarvo::SettingsFileText(*settings);
    const auto again = tarvo::ParseSettingsFile(text);
    if (!again || tarvo::SettingsFileText(*again) != text) {
        std::abort();
    }
    if (again->LocFileName != settings->LocFileName ||
        again->PrtFontSize != settings->PrtFontSize ||
        again->PrtLineSpacing != settings->PrtLineSpacing) {
        std::abort();
    }
    return 0;
}
