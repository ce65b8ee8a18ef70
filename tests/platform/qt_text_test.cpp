#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "platform/combo_box.h"
#include "platform/label.h"
#include "platform/qt_text.h"
#include "platform/text_box.h"
#include "platform/twips.h"

namespace tarvo {
namespace {

// Key presses that carry characters of no key on the test's keyboard layout, as an
// input method delivers them.
void TypeCharacters(QWidget* widget, const QString& characters) {
    for (const QChar character : characters) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
    }
}

TEST(QtTextTest, WindowsCodePageRoundTripsThroughTheControls) {
    // 0xE9 is e-acute (U+00E9), 0xFF y-diaeresis (U+00FF), 0x80 the euro sign (U+20AC).
    TextBox box;
    box.setText(
        "Montr\xE9"
        "al");
    EXPECT_EQ(box.QLineEdit::text(), QString::fromUtf8("Montr\u00E9al"));
    EXPECT_EQ(box.text(),
              "Montr\xE9"
              "al");

    box.setText("\xFF");
    EXPECT_EQ(box.QLineEdit::text(), QString(QChar(0x00FF)));
    EXPECT_EQ(box.text(), "\xFF");

    // What the user types comes back as code-page bytes; what the page lacks, as '?'.
    box.setText("");
    TypeCharacters(&box, QString(QChar(0x20AC)) + QChar(0x0100) + "1");
    EXPECT_EQ(box.text(), "\x80?1");

    ComboBox list(ComboBox::Order::Sorted);
    list.addItem("Z\xFCrich");
    list.choose(0);
    EXPECT_EQ(list.lineEdit()->text(), QString::fromUtf8("Z\u00FCrich"));
    EXPECT_EQ(list.text(), "Z\xFCrich");

    Label label("Ni\xF1o");
    EXPECT_EQ(label.text(), QString::fromUtf8("Ni\u00F1o"));
    EXPECT_EQ(label.caption(), "Ni\xF1o");
}

TEST(QtTextTest, EveryByteSurvivesTheTripToQtAndBack) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const QString unicode = ToQString(all);
    EXPECT_EQ(unicode.size(), 255);
    EXPECT_EQ(unicode.at(0x80 - 1), QChar(0x20AC));
    EXPECT_EQ(unicode.at(0x9F - 1), QChar(0x0178));  // Y-diaeresis
    EXPECT_EQ(FromQString(unicode), all);
    // A character outside the Basic Multilingual Plane is one character, one '?'.
    EXPECT_EQ(FromQString(QString::fromUtf8("a\U0001F600b")), "a?b");
}

TEST(TwipsTest, FifteenTwipsToAPixel) {
    EXPECT_EQ(TwipsToPixels(1440), 96);  // one inch at 96 dpi
    EXPECT_EQ(TwipsToPixels(15), 1);
    EXPECT_EQ(TwipsToPixels(7), 0);  // under half a pixel rounds down
    EXPECT_EQ(TwipsToPixels(8), 1);  // over half a pixel rounds up
    EXPECT_EQ(PixelsToTwips(96), 1440);
    EXPECT_EQ(TwipsRect(120, 240, 1440, 300), QRect(8, 16, 96, 20));
}

}  // namespace
}  // namespace tarvo
