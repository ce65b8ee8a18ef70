#pragma once

#include <QLabel>
#include <string>
#include <string_view>

namespace tarvo {

// A label whose caption is program text.
class Label : public QLabel {
    Q_OBJECT
  public:
    explicit Label(std::string_view caption = {}, QWidget* parent = nullptr);

    std::string caption() const;
    void setCaption(std::string_view caption);
};

}  // namespace tarvo
