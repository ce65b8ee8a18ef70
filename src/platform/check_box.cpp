#include "platform/check_box.h"

#include <string>

#include "common/failure.h"

namespace tarvo {

namespace {

Qt::CheckState StateOf(int value) {
    switch (value) {
        case 0:
            return Qt::Unchecked;
        case 1:
            return Qt::Checked;
        case 2:
            return Qt::PartiallyChecked;
        default:
            throw RunTimeFailure("Invalid check box value " + std::to_string(value));
    }
}

}  // namespace

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    setTristate(true);  // so that the grayed state shows; the user never reaches it
    // clicked comes only from the user (mouse, space bar, click()), never from
    // setCheckState, and always after the value changed (see nextCheckState).
    connect(this, &QAbstractButton::clicked, this, [this] {
        const Handler handler = click_;
        EventBoundary::Run(handler);
    });
}

int CheckBox::value() const {
    switch (checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void CheckBox::setValue(int value) {
    const Qt::CheckState state = StateOf(value);
    if (state == checkState()) {
        return;
    }
    setCheckState(state);
    const Handler handler = click_;
    if (handler) {
        handler();
    }
}

void CheckBox::userClick() {
    click();
}

void CheckBox::nextCheckState() {
    // Cleared and grayed both become ticked; ticked becomes cleared.
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace tarvo
