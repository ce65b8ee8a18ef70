#include "platform/combo_box.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

#include "common/codepage.h"
#include "platform/edit_field.h"
#include "platform/qt_text.h"

namespace tarvo {

namespace {

// Each Windows-1252 byte as the rank of its case-folded character among the folded
// characters of all 256 bytes. Comparing ranks byte by byte is comparing the Qt strings
// ignoring case (unit by unit, after Unicode case folding) without making them.
class FoldRanks {
  public:
    FoldRanks() {
        std::array<char32_t, 256> folded{};
        for (std::size_t byte = 0; byte < folded.size(); ++byte) {
            folded[byte] = QChar::toCaseFolded(Cp1252ToUnicode(static_cast<unsigned char>(byte)));
        }
        std::array<char32_t, 256> distinct = folded;
        std::sort(distinct.begin(), distinct.end());
        const auto end = std::unique(distinct.begin(), distinct.end());
        for (std::size_t byte = 0; byte < folded.size(); ++byte) {
            rank_[byte] = static_cast<unsigned char>(
                std::lower_bound(distinct.begin(), end, folded[byte]) - distinct.begin());
        }
    }
    unsigned char operator()(char byte) const { return rank_[static_cast<unsigned char>(byte)]; }

  private:
    std::array<unsigned char, 256> rank_{};
};

const FoldRanks& Ranks() {
    static const FoldRanks ranks;
    return ranks;
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
    const FoldRanks& rank = Ranks();
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (rank(a[i]) != rank(b[i])) {
            return rank(a[i]) < rank(b[i]);
        }
    }
    return a.size() < b.size();
}

// Many texts sorted ignoring case, equal ones in the order given: the ranks of each
// text are made once, and the sort compares them as plain bytes.
std::vector<std::string_view> SortedIgnoringCase(std::span<const std::string_view> texts) {
    const FoldRanks& rank = Ranks();
    std::size_t total = 0;
    for (const std::string_view text : texts) {
        total += text.size();
    }
    std::string keys(total, '\0');
    std::vector<std::size_t> start;
    start.reserve(texts.size() + 1);
    std::size_t at = 0;
    for (const std::string_view text : texts) {
        start.push_back(at);
        for (const char byte : text) {
            keys[at++] = static_cast<char>(rank(byte));
        }
    }
    start.push_back(at);
    const auto key = [&](std::size_t i) {
        return std::string_view(keys).substr(start[i], start[i + 1] - start[i]);
    };
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // string_view compares as unsigned bytes: in rank order.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    std::vector<std::string_view> sorted;
    sorted.reserve(texts.size());
    for (const std::size_t i : order) {
        sorted.push_back(texts[i]);
    }
    return sorted;
}

// Runs a handler raised by the program: directly, so that a failure travels up to the
// user event that started the cascade. A copy, as the handler may replace itself.
void RaiseFromProgram(const Handler& handler) {
    const Handler copy = handler;
    if (copy) {
        copy();
    }
}

}  // namespace

ComboBox::ComboBox(Order order, QWidget* parent)
    : QComboBox(parent), order_(order), entries_(new EntryList(this)) {
    setModel(entries_);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);  // no inline completion: what the user types is what they get
    // The lists can hold tens of thousands of entries: never measure them all.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* list = qobject_cast<QListView*>(view())) {
        list->setUniformItemSizes(true);
    }

    // Qt selects the entry whose text the user typed when editing finishes (Return or
    // leaving the field) and emits activated for it. Typing is no choice here, so that
    // connection of QComboBox's own is cut.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);

    // textEdited comes only from the user's keys, never from Qt filling in an entry.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        programText_ = false;
        const Handler handler = change_;
        EventBoundary::Run(handler);
    });
    // activated: the user chose an entry (popup, arrow keys, wheel), even the current one.
    connect(this, &QComboBox::activated, this, &ComboBox::userChose);
}

std::string ComboBox::text() const {
    return FromQString(lineEdit()->text());
}

void ComboBox::setText(std::string_view text) {
    const QString newText = ToQString(text);
    if (newText == lineEdit()->text()) {
        return;
    }
    lineEdit()->setText(newText);
    followText(text, newText);
    programText_ = true;
    ShowProgramText(*lineEdit(), hasFocus());
    RaiseFromProgram(change_);
}

void ComboBox::followText(std::string_view text, const QString& shown) {
    int index = entries_->find(text);
    if (index < 0) {
        std::string_view unpadded = text;
        while (!unpadded.empty() && unpadded.back() == ' ') {
            unpadded.remove_suffix(1);
        }
        if (unpadded.size() < text.size()) {
            index = entries_->find(unpadded);
        }
    }
    if (index != currentIndex()) {
        // Qt shows the entry's text on a change of position; the program's text stays.
        setCurrentIndex(index);
        if (lineEdit()->text() != shown) {
            lineEdit()->setText(shown);
        }
    }
}

int ComboBox::insertPosition(std::string_view text) const {
    if (order_ == Order::AsAdded) {
        return count();
    }
    // After every entry that is not greater: equal entries stay in the order added.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (LessIgnoringCase(text, entries_->text(middle))) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

void ComboBox::addItem(std::string_view text) {
    const QString editText = lineEdit()->text();
    const bool wasEmpty = count() == 0;
    entries_->insert(insertPosition(text), text);
    keepEditField(editText, wasEmpty);
}

void ComboBox::addItems(const std::vector<std::string>& texts) {
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    addItems(std::span<const std::string_view>(views));
}

void ComboBox::addItems(std::span<const std::string_view> texts) {
    if (texts.empty()) {
        return;
    }
    const QString editText = lineEdit()->text();
    const bool wasEmpty = count() == 0;

    if (order_ == Order::AsAdded) {
        entries_->append(texts);
    } else if (!wasEmpty && texts.size() <= 16) {
        // A few more entries into a long list: each into its place.
        for (const std::string_view entry : texts) {
            entries_->insert(insertPosition(entry), entry);
        }
    } else if (wasEmpty) {
        entries_->append(SortedIgnoringCase(texts));
    } else {
        // Merge with what is there: the old entries first, so that among equal entries
        // the older ones stay in front. The list is refilled in one go and the current
        // entry is followed to its new place.
        const int oldCount = count();
        std::vector<int> order(static_cast<std::size_t>(oldCount) + texts.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = static_cast<int>(i);
        }
        const auto textOf = [&](int i) {
            return i < oldCount ? entries_->text(i) : texts[static_cast<std::size_t>(i - oldCount)];
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return LessIgnoringCase(textOf(a), textOf(b)); });
        const int current = currentIndex();
        std::vector<std::string_view> sorted;
        sorted.reserve(order.size());
        int newCurrent = -1;
        for (std::size_t i = 0; i < order.size(); ++i) {
            sorted.push_back(textOf(order[i]));
            if (order[i] == current && current < oldCount) {
                newCurrent = static_cast<int>(i);
            }
        }
        entries_->assign(sorted);
        setCurrentIndex(newCurrent);
    }
    keepEditField(editText, wasEmpty);
}

void ComboBox::keepEditField(const QString& editText, bool wasEmpty) {
    // Qt makes the first entry added to an empty list the current one and shows it in
    // the edit field. Adding entries leaves the edit field alone here.
    if (wasEmpty) {
        setCurrentIndex(-1);
    }
    if (lineEdit()->text() != editText) {
        lineEdit()->setText(editText);
    }
}

std::string ComboBox::itemText(int index) const {
    if (index < 0 || index >= count()) {
        return {};
    }
    return std::string(entries_->text(index));
}

void ComboBox::clear() {
    entries_->clear();
    lineEdit()->clear();  // clear() of QLineEdit emits no textEdited: silent
}

void ComboBox::choose(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    setCurrentIndex(index);
    userChose(index);
}

void ComboBox::userChose(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    // The edit field holds the chosen entry when the click handler runs, even when Qt
    // did not rewrite it (the entry was already current). setText emits no textEdited.
    programText_ = false;
    const QString entry = ToQString(entries_->text(index));
    if (lineEdit()->text() != entry) {
        lineEdit()->setText(entry);
    }
    const Handler handler = click_;
    EventBoundary::Run(handler);
}

void ComboBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (programText_ && event->reason() != Qt::MouseFocusReason) {
        ShowProgramText(*lineEdit(), true);
    }
}

}  // namespace tarvo
