#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarvo {

// The entries of a drop-down list: program texts (Windows-1252 bytes) kept back to back
// in one buffer, and turned into Qt strings only for the rows a view shows. A list of
// 32,767 names costs one buffer and one small record per entry, not an item object each.
class EntryList : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit EntryList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int count() const { return static_cast<int>(entries_.size()); }

    // The text of entry `row` (0..count()-1); valid until the entries change.
    std::string_view text(int row) const;

    // The first entry whose text is exactly `text`, or -1. The first few searches after
    // a change of the entries go through them in turn; from then on an index, built
    // once after each change, answers.
    int find(std::string_view text) const;

    // One entry at `row` (0..count()).
    void insert(int row, std::string_view text);

    // Entries after the last one, in the order given.
    void append(std::span<const std::string_view> texts);
    void append(std::initializer_list<std::string_view> texts) {
        append(std::span<const std::string_view>(texts.begin(), texts.size()));
    }

    // All entries replaced by `texts`, in the order given (the views may point into this
    // list's own entries).
    void assign(const std::vector<std::string_view>& texts);

    void clear();

  private:
    struct Entry {
        std::uint32_t offset;
        std::uint32_t size;
    };

    Entry store(std::string_view text);
    void changed();  // the entries changed: the index is out of date

    static constexpr int kSearchesBeforeIndex = 4;

    std::string buffer_;
    std::vector<Entry> entries_;
    mutable std::unordered_map<std::string_view, int> firstEntry_;
    mutable bool firstEntryValid_ = false;
    mutable int searchesSinceChange_ = 0;
};

}  // namespace tarvo
