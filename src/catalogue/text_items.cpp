#include "catalogue/text_items.h"

#include "common/failure.h"
#include "common/numeric_value.h"

namespace tarvo {

namespace {

bool EndsNumber(char c) {
    return c == ' ' || c == ',' || c == '\r' || c == '\n';
}

}  // namespace

void ItemReader::SkipSpaces() {
    while (position_ < bytes_.size() && bytes_[position_] == ' ') {
        ++position_;
    }
}

bool ItemReader::AtLineEnd() const {
    return position_ < bytes_.size() && (bytes_[position_] == '\r' || bytes_[position_] == '\n');
}

void ItemReader::ConsumeLineEnd() {
    if (bytes_[position_] == '\r' && position_ + 1 < bytes_.size() &&
        bytes_[position_ + 1] == '\n') {
        position_ += 2;
    } else {
        ++position_;
    }
}

void ItemReader::RequireItem() {
    SkipSpaces();
    if (AtEnd()) {
        throw RunTimeFailure("Input past end of file");
    }
}

std::string ItemReader::ReadText() {
    RequireItem();
    if (bytes_[position_] == '"') {
        ++position_;
        const std::size_t start = position_;
        while (position_ < bytes_.size() && bytes_[position_] != '"') {
            ++position_;
        }
        std::string name(bytes_.substr(start, position_ - start));
        if (!AtEnd()) {
            ++position_;  // the closing quote
        }
        ReadToItemEnd();  // whatever follows the quote belongs to no item
        return name;
    }
    const std::string_view item = ReadToItemEnd();
    std::size_t end = item.size();
    while (end > 0 && item[end - 1] == ' ') {
        --end;
    }
    return std::string(item.substr(0, end));
}

std::string_view ItemReader::ReadToItemEnd() {
    const std::size_t start = position_;
    while (!AtEnd() && !AtLineEnd() && bytes_[position_] != ',') {
        ++position_;
    }
    const std::string_view item = bytes_.substr(start, position_ - start);
    if (AtLineEnd()) {
        ConsumeLineEnd();
    } else if (!AtEnd()) {
        ++position_;  // the comma
    }
    return item;
}

double ItemReader::ReadDouble() {
    RequireItem();
    return NumericValue(ReadToItemEnd());
}

double LeadingNumber(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && line[start] == ' ') {
        ++start;
    }
    std::size_t end = start;
    while (end < line.size() && !EndsNumber(line[end])) {
        ++end;
    }
    return NumericValue(line.substr(start, end - start));
}

}  // namespace tarvo
