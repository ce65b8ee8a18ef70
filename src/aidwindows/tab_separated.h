#pragma once

#include <string>
#include <vector>

namespace tarvo {

// Appends `cells` to `text` as one line, the cells separated by tabs, as a spreadsheet
// takes them from the clipboard.
void AppendTabSeparatedLine(std::string& text, const std::vector<std::string>& cells);

}  // namespace tarvo
