#include "platform/option_button.h"

#include "platform/qt_text.h"

namespace tarvo {

OptionButton::OptionButton(std::string_view caption, QWidget* parent)
    : QRadioButton(ToQString(caption), parent) {
    // toggled(true) is the button becoming selected, by the user (mouse, keys, click())
    // or by the program. A click on the selected button toggles nothing. The program's
    // own writes are marked so that they raise the handler directly, outside the boundary.
    connect(this, &QAbstractButton::toggled, this, [this](bool selected) {
        placeTabStop();
        if (!selected || programWrite_) {
            return;
        }
        const Handler handler = click_;
        EventBoundary::Run(handler);
    });
    placeTabStop();
}

void OptionButton::placeTabStop() {
    QWidget* group = parentWidget();
    if (group == nullptr) {
        return;
    }
    const QList<OptionButton*> buttons =
        group->findChildren<OptionButton*>(QString(), Qt::FindDirectChildrenOnly);
    bool anySelected = false;
    for (const OptionButton* button : buttons) {
        anySelected = anySelected || button->isChecked();
    }
    for (OptionButton* button : buttons) {
        const bool stop = !anySelected || button->isChecked();
        button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void OptionButton::setValue(bool selected) {
    if (selected == isChecked()) {
        return;
    }
    programWrite_ = true;
    if (selected) {
        setChecked(true);  // Qt clears the other buttons of the same parent
    } else {
        // Qt refuses to clear the selected button of an exclusive set; the program may.
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
    }
    programWrite_ = false;
    if (selected) {
        const Handler handler = click_;
        if (handler) {
            handler();
        }
    }
}

void OptionButton::userClick() {
    click();
}

}  // namespace tarvo
