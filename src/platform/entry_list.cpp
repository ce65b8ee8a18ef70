#include "platform/entry_list.h"

#include <utility>

#include "platform/qt_text.h"

namespace tarvo {

EntryList::EntryList(QObject* parent) : QAbstractListModel(parent) {}

int EntryList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant EntryList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return ToQString(text(index.row()));
}

std::string_view EntryList::text(int row) const {
    const Entry& entry = entries_.at(static_cast<std::size_t>(row));
    return std::string_view(buffer_).substr(entry.offset, entry.size);
}

int EntryList::find(std::string_view text) const {
    if (!firstEntryValid_ && searchesSinceChange_ < kSearchesBeforeIndex) {
        // A few searches after a change look through the entries one by one: building
        // the index costs as much as many such looks, and a list filled once and
        // searched once or twice (as at start-up) would never earn it back.
        ++searchesSinceChange_;
        for (int row = 0; row < count(); ++row) {
            if (this->text(row) == text) {
                return row;
            }
        }
        return -1;
    }
    if (!firstEntryValid_) {
        firstEntry_.clear();
        firstEntry_.reserve(entries_.size());
        // try_emplace keeps the first of equal entries.
        for (int row = 0; row < count(); ++row) {
            firstEntry_.try_emplace(this->text(row), row);
        }
        firstEntryValid_ = true;
    }
    const auto found = firstEntry_.find(text);
    return found == firstEntry_.end() ? -1 : found->second;
}

void EntryList::changed() {
    firstEntryValid_ = false;
    searchesSinceChange_ = 0;
}

EntryList::Entry EntryList::store(std::string_view text) {
    const Entry entry{static_cast<std::uint32_t>(buffer_.size()),
                      static_cast<std::uint32_t>(text.size())};
    buffer_.append(text);
    return entry;
}

void EntryList::insert(int row, std::string_view text) {
    changed();
    beginInsertRows(QModelIndex(), row, row);
    const std::string copy(text);  // text may point into the buffer, which may move
    entries_.insert(entries_.begin() + row, store(copy));
    endInsertRows();
}

void EntryList::append(std::span<const std::string_view> texts) {
    if (texts.empty()) {
        return;
    }
    changed();
    const int first = count();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(texts.size()) - 1);
    std::size_t bytes = buffer_.size();
    for (const std::string_view text : texts) {
        bytes += text.size();
    }
    buffer_.reserve(bytes);
    entries_.reserve(entries_.size() + texts.size());
    for (const std::string_view text : texts) {
        entries_.push_back(store(text));
    }
    endInsertRows();
}

void EntryList::assign(const std::vector<std::string_view>& texts) {
    std::string buffer;
    std::vector<Entry> entries;
    entries.reserve(texts.size());
    for (const std::string_view text : texts) {
        entries.push_back(Entry{static_cast<std::uint32_t>(buffer.size()),
                                static_cast<std::uint32_t>(text.size())});
        buffer.append(text);
    }
    beginResetModel();
    changed();
    buffer_ = std::move(buffer);
    entries_ = std::move(entries);
    endResetModel();
}

void EntryList::clear() {
    if (entries_.empty()) {
        return;
    }
    beginResetModel();
    changed();
    firstEntry_.clear();
    buffer_.clear();
    entries_.clear();
    endResetModel();
}

}  // namespace tarvo
