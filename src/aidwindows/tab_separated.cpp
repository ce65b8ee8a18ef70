#include "aidwindows/tab_separated.h"

namespace tarvo {

void AppendTabSeparatedLine(std::string& text, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        text += i == 0 ? "" : "\t";
        text += cells[i];
    }
    text += '\n';
}

}  // namespace tarvo
