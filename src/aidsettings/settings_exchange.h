#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo {

// Reads or writes the values of pointing.ini through one pass over the program's
// settings: each group lists its values once (Text, Integer, Number, Named), and the
// same lines read them from the file or write them into it.
//
// Reading is forgiving: a value that is missing or does not read as its kind (a port
// that is no number, a number out of its range) leaves the variable as it was, which
// is its default, and the values around it are read as usual. Texts are UTF-8.
class SettingsExchange {
  public:
    enum class Direction { Read, Write };

    SettingsExchange(QSettings& file, Direction direction) : file_(file), direction_(direction) {}

    bool Reading() const { return direction_ == Direction::Read; }

    // The values exchanged by `body` in the group [name] of the file. Writing replaces
    // the group whole: a key the program no longer writes does not stay behind.
    template <typename Body>
    void Group(std::string_view name, Body&& body) {
        file_.beginGroup(Key(name));
        if (!Reading()) {
            file_.remove(QString());
        }
        std::forward<Body>(body)();
        file_.endGroup();
    }

    // A text. `acceptable`, when given, refuses a text read from the file (which then
    // keeps the default); it is not asked on writing.
    void Text(std::string_view key, std::string& value,
              bool (*acceptable)(std::string_view) = nullptr);

    // A whole number in [lowest, highest].
    void Integer(std::string_view key, int& value, int lowest, int highest);

    // A decimal number (a period before the fraction) in [lowest, highest].
    void Number(std::string_view key, double& value, double lowest, double highest);

    // Entries keyed by a name, such as a value per location name. Names are any UTF-8
    // text (commas, slashes, equals signs and letters beyond ASCII included): they are
    // stored as values, never as keys. `one(exchange, entry)` exchanges the values of
    // one entry, as a group does. When the file holds the list, reading replaces
    // `entries` with it; an entry without a name is left out, and of two entries of
    // the same name the first counts.
    template <typename Entry, typename One>
    void Named(std::string_view key, std::map<std::string, Entry>& entries, One&& one);

    // A list of entries in the order given, numbered from 1 in the file. `one(exchange,
    // entry)` exchanges the values of one entry; on reading, an entry is kept only when
    // `whole(entry)` says all its values read (one that does not is left out, the rest
    // kept). When the file holds the list, reading replaces `entries` with it.
    template <typename Entry, typename One, typename Whole>
    void List(std::string_view key, std::vector<Entry>& entries, One&& one, Whole&& whole);

  private:
    static QString Key(std::string_view key) { return QString::fromUtf8(key.data(), key.size()); }

    // The number of entries of a list in the file: its size, or when that does not
    // read, the highest entry number present.
    int ListSize(const QString& key);

    QSettings& file_;
    Direction direction_;
};

template <typename Entry, typename One>
void SettingsExchange::Named(std::string_view key, std::map<std::string, Entry>& entries,
                             One&& one) {
    const QString list = Key(key);
    if (!Reading()) {
        file_.beginWriteArray(list, static_cast<int>(entries.size()));
        int index = 0;
        for (auto& [name, entry] : entries) {
            file_.setArrayIndex(index++);
            std::string stored = name;
            Text("Name", stored);
            one(*this, entry);
        }
        file_.endArray();
        return;
    }
    const int size = ListSize(list);
    if (size < 0) {
        return;  // no such list in the file: the entries keep their defaults
    }
    std::map<std::string, Entry> read;
    file_.beginReadArray(list);
    for (int index = 0; index < size; ++index) {
        file_.setArrayIndex(index);
        std::string name;
        Text("Name", name);
        Entry entry{};
        one(*this, entry);
        if (!name.empty()) {
            read.emplace(std::move(name), std::move(entry));
        }
    }
    file_.endArray();
    entries = std::move(read);
}

template <typename Entry, typename One, typename Whole>
void SettingsExchange::List(std::string_view key, std::vector<Entry>& entries, One&& one,
                            Whole&& whole) {
    const QString list = Key(key);
    if (!Reading()) {
        file_.beginWriteArray(list, static_cast<int>(entries.size()));
        for (std::size_t index = 0; index < entries.size(); ++index) {
            file_.setArrayIndex(static_cast<int>(index));
            one(*this, entries[index]);
        }
        file_.endArray();
        return;
    }
    const int size = ListSize(list);
    if (size < 0) {
        return;
    }
    std::vector<Entry> read;
    file_.beginReadArray(list);
    for (int index = 0; index < size; ++index) {
        file_.setArrayIndex(index);
        Entry entry{};
        one(*this, entry);
        if (whole(entry)) {
            read.push_back(std::move(entry));
        }
    }
    file_.endArray();
    entries = std::move(read);
}

}  // namespace tarvo
