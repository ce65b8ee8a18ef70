#pragma once

#include <QComboBox>
#include <QString>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/entry_list.h"
#include "platform/handler.h"

namespace tarvo {

// An editable drop-down list (a text field with a list of entries).
// Change: the user typing in the edit field, and setText when it changes the text.
//         NOT when the user chooses an entry, NOT on clear().
// Click:  the user chooses an entry (even the one already shown); the edit field then
//         holds the entry's text.
// A sorted list keeps its entries in alphabetical order ignoring case; entries that
// compare equal keep the order in which they were added.
// Entries typed into the edit field are never added to the list by Qt.
// The list's position follows the program's writes: after setText the entry with that
// text (or that text without its trailing padding) is the current one, so the arrow
// keys, the wheel and the opened list start from the entry shown.
// The entries are held as program text (EntryList) and become Qt strings only when
// shown, so that lists of tens of thousands of entries fill quickly.
class ComboBox : public QComboBox {
    Q_OBJECT
  public:
    enum class Order { AsAdded, Sorted };
    explicit ComboBox(Order order = Order::AsAdded, QWidget* parent = nullptr);

    // The edit field.
    std::string text() const;
    void setText(std::string_view text);

    // The entries.
    void addItem(std::string_view text);
    // Many at once, same order rules; the texts are copied.
    void addItems(std::span<const std::string_view> texts);
    void addItems(const std::vector<std::string>& texts);
    std::string itemText(int index) const;  // index from 0
    // count() is QComboBox's.

    // Removes every entry and empties the edit field, raising no event.
    void clear();

    // As if the user chose entry `index` (from 0): the edit field takes its text
    // without a change event, then the click handler runs.
    void choose(int index);

    void onChange(Handler handler) { change_ = std::move(handler); }
    void onClick(Handler handler) { click_ = std::move(handler); }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    int insertPosition(std::string_view text) const;
    void followText(std::string_view text, const QString& shown);
    void keepEditField(const QString& editText, bool wasEmpty);
    void userChose(int index);

    Order order_;
    // The entries. Its index of texts is built once after each change: lists of 32,767
    // entries are written thousands of times by the look list.
    EntryList* entries_;
    bool programText_ = false;  // the edit field holds the program's text, unedited
    Handler change_;
    Handler click_;
};

}  // namespace tarvo
