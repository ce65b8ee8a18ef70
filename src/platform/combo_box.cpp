#include "platform/combo_box.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "platform/edit_field.h"
#include "platform/qt_text.h"

namespace tarvo {

namespace {

bool LessIgnoringCase(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
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

ComboBox::ComboBox(Order order, QWidget* parent) : QComboBox(parent), order_(order) {
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
    followText(newText);
    programText_ = true;
    ShowProgramText(*lineEdit(), hasFocus());
    RaiseFromProgram(change_);
}

int ComboBox::entryIndex(const QString& text) const {
    if (!firstEntryValid_) {
        firstEntry_.clear();
        firstEntry_.reserve(count());
        // Backwards: a later insert replaces, so the first of equal entries stays.
        for (int i = count() - 1; i >= 0; --i) {
            firstEntry_.insert(QComboBox::itemText(i), i);
        }
        firstEntryValid_ = true;
    }
    return firstEntry_.value(text, -1);
}

void ComboBox::followText(const QString& text) {
    int index = entryIndex(text);
    if (index < 0) {
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) {
            --end;
        }
        if (end < text.size()) {
            index = entryIndex(text.left(end));
        }
    }
    if (index != currentIndex()) {
        // Qt shows the entry's text on a change of position; the program's text stays.
        setCurrentIndex(index);
        if (lineEdit()->text() != text) {
            lineEdit()->setText(text);
        }
    }
}

int ComboBox::insertPosition(const QString& text) const {
    if (order_ == Order::AsAdded) {
        return count();
    }
    // After every entry that is not greater: equal entries stay in the order added.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (LessIgnoringCase(text, QComboBox::itemText(middle))) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

void ComboBox::addItem(std::string_view text) {
    firstEntryValid_ = false;
    const QString entry = ToQString(text);
    const QString editText = lineEdit()->text();
    const bool wasEmpty = count() == 0;
    QComboBox::insertItem(insertPosition(entry), entry);
    keepEditField(editText, wasEmpty);
}

void ComboBox::addItems(const std::vector<std::string>& texts) {
    if (texts.empty()) {
        return;
    }
    firstEntryValid_ = false;
    const QString editText = lineEdit()->text();
    const bool wasEmpty = count() == 0;

    QStringList entries;
    entries.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) {
        entries.append(ToQString(text));
    }
    if (order_ == Order::AsAdded) {
        QComboBox::insertItems(count(), entries);
    } else if (!wasEmpty && entries.size() <= 16) {
        // A few more entries into a long list: each into its place.
        for (const QString& entry : std::as_const(entries)) {
            QComboBox::insertItem(insertPosition(entry), entry);
        }
    } else if (wasEmpty) {
        std::stable_sort(entries.begin(), entries.end(), LessIgnoringCase);
        QComboBox::insertItems(0, entries);
    } else {
        // Merge with what is there: the old entries first, so that among equal entries
        // the older ones stay in front. The model is refilled in one go and the current
        // entry is followed to its new place.
        QStringList all;
        all.reserve(count() + entries.size());
        for (int i = 0; i < count(); ++i) {
            all.append(QComboBox::itemText(i));
        }
        const int oldCount = static_cast<int>(all.size());
        all.append(entries);
        std::vector<int> order(static_cast<std::size_t>(all.size()));
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = static_cast<int>(i);
        }
        std::stable_sort(order.begin(), order.end(),
                         [&all](int a, int b) { return LessIgnoringCase(all.at(a), all.at(b)); });
        const int current = currentIndex();
        QStringList sorted;
        sorted.reserve(all.size());
        int newCurrent = -1;
        for (std::size_t i = 0; i < order.size(); ++i) {
            sorted.append(all.at(order[i]));
            if (order[i] == current && current < oldCount) {
                newCurrent = static_cast<int>(i);
            }
        }
        QComboBox::clear();
        QComboBox::insertItems(0, sorted);
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
    return FromQString(QComboBox::itemText(index));
}

void ComboBox::clear() {
    firstEntryValid_ = false;
    QComboBox::clear();
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
    const QString entry = QComboBox::itemText(index);
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
