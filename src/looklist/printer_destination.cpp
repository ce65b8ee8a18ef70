#include "looklist/printer_destination.h"

namespace tarvo {

void PrinterDestination::Draw(float x, float y, const FontSpec& font, std::string_view text,
                              LineEnd /*end*/) {
    if (!text.empty()) {
        job_.DrawText(x, y, font.name, font.size, font.bold, text);
    }
}

}  // namespace tarvo
