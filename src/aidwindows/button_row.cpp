#include "aidwindows/button_row.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace tarvo {

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

}  // namespace tarvo
