#include "gps/report_lines.h"

namespace tarvo {

bool ReportLines::Append(std::string_view bytes, std::vector<std::string>& lines) {
    while (!tooLong_ && !bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (pending_.size() + piece.size() > longestLine_) {
            tooLong_ = true;
            pending_.clear();
            pending_.shrink_to_fit();
            break;
        }
        pending_ += piece;
        if (end == std::string_view::npos) {
            break;
        }
        lines.push_back(std::move(pending_));
        pending_.clear();
        bytes.remove_prefix(end + 1);
    }
    return !tooLong_;
}

}  // namespace tarvo
