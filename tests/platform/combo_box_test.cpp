#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "event_log.h"
#include "platform/combo_box.h"
#include "platform/text_box.h"

namespace tarvo {
namespace {

using test::EventLog;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

std::vector<std::string> Entries(const ComboBox& box) {
    std::vector<std::string> entries;
    for (int i = 0; i < box.count(); ++i) {
        entries.push_back(box.itemText(i));
    }
    return entries;
}

TEST(ComboBoxTest, TypingAndProgramWritesRaiseChangeChoosingRaisesClickOnly) {
    ComboBox box;
    std::vector<std::string> log;
    box.onChange([&] { log.push_back("change " + box.text()); });
    box.onClick([&] { log.push_back("click " + box.text()); });

    box.addItems({"Astra 1", "Hotbird", "Eutelsat"});
    EXPECT_THAT(Entries(box), ElementsAre("Astra 1", "Hotbird", "Eutelsat"));
    // Filling the list leaves the edit field as it was and raises nothing.
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(box.currentIndex(), -1);  // no entry chosen yet: Down goes to the first
    EXPECT_THAT(log, IsEmpty());

    QTest::keyClicks(box.lineEdit(), "Ho");
    EXPECT_THAT(log, ElementsAre("change H", "change Ho"));

    // The user's choice: the edit field already holds the entry when click runs.
    log.clear();
    box.choose(1);
    EXPECT_THAT(log, ElementsAre("click Hotbird"));
    box.choose(1);  // the entry already shown, chosen again
    EXPECT_THAT(log, ElementsAre("click Hotbird", "click Hotbird"));

    // Arrow keys choose the next and the previous entry, as Qt's activated says.
    log.clear();
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_THAT(log, ElementsAre("click Eutelsat", "click Hotbird"));

    log.clear();
    box.setText("Hotbird");  // unchanged: nothing
    box.setText("Hot");
    EXPECT_THAT(log, ElementsAre("change Hot"));

    // Adding to a list with entries leaves the edit field alone too.
    box.addItem("Intelsat");
    EXPECT_EQ(box.text(), "Hot");
    EXPECT_EQ(box.count(), 4);
}

TEST(ComboBoxTest, TypingAnEntryExactlyAndPressingReturnIsNoChoice) {
    ComboBox box;
    box.addItems({"Galaxy", "Satcom"});
    std::vector<std::string> log;
    box.onChange([&] { log.push_back("change"); });
    box.onClick([&] { log.push_back("click"); });

    QTest::keyClicks(box.lineEdit(), "galaxy");
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(log.size(), 6u);
    EXPECT_THAT(log, ::testing::Each(std::string("change")));
    // No completion, no case fix-up and no entry added by Qt.
    EXPECT_EQ(box.text(), "galaxy");
    EXPECT_EQ(box.count(), 2);
}

TEST(ComboBoxTest, ClearIsSilentAndEmptiesEntriesAndEditField) {
    ComboBox box;
    int events = 0;
    box.onChange([&] { ++events; });
    box.onClick([&] { ++events; });
    box.addItems({"one", "two"});
    box.choose(0);
    box.setText("typed");
    events = 0;

    box.clear();
    EXPECT_EQ(events, 0);
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(box.text(), "");

    // After a clear the same text counts as a change again.
    box.setText("typed");
    EXPECT_EQ(events, 1);
    box.choose(0);  // no entry: nothing to choose
    EXPECT_EQ(events, 1);
}

TEST(ComboBoxTest, SortedListIgnoresCaseAndKeepsEqualEntriesInTheOrderAdded) {
    // Ignoring case, "alpha" = "Alpha" = "ALPHA" < "Bravo" < "charlie" < "delta"; the
    // three alphas keep the order in which they came.
    const std::vector<std::string> added = {"delta", "Alpha", "charlie", "alpha", "Bravo", "ALPHA"};
    const std::vector<std::string> expected = {"Alpha", "alpha",   "ALPHA",
                                               "Bravo", "charlie", "delta"};

    ComboBox oneByOne(ComboBox::Order::Sorted);
    for (const std::string& text : added) {
        oneByOne.addItem(text);
    }
    EXPECT_THAT(Entries(oneByOne), ElementsAreArray(expected));

    ComboBox allAtOnce(ComboBox::Order::Sorted);
    allAtOnce.addItems(added);
    EXPECT_THAT(Entries(allAtOnce), ElementsAreArray(expected));

    // More entries into a filled list: the older equal entry stays in front, and the
    // entry the user chose stays chosen.
    ComboBox merged(ComboBox::Order::Sorted);
    merged.addItems({"beta", "delta"});
    merged.choose(1);
    merged.addItems({"Delta", "alpha", "BETA"});
    EXPECT_THAT(Entries(merged), ElementsAre("alpha", "beta", "BETA", "delta", "Delta"));
    EXPECT_EQ(merged.currentIndex(), 3);
    EXPECT_EQ(merged.text(), "delta");

    // The same with a batch large enough to be merged in one go.
    ComboBox big(ComboBox::Order::Sorted);
    big.addItems({"mike", "Kilo"});
    big.choose(1);
    std::vector<std::string> batch = {"kilo", "MIKE"};
    std::vector<std::string> expectedBig = {"Kilo", "kilo", "mike", "MIKE"};
    for (int i = 15; i >= 1; --i) {
        batch.push_back("x" + std::to_string(100 + i));
    }
    for (int i = 1; i <= 15; ++i) {
        expectedBig.push_back("x" + std::to_string(100 + i));
    }
    big.addItems(batch);
    EXPECT_THAT(Entries(big), ElementsAreArray(expectedBig));
    EXPECT_EQ(big.currentIndex(), 2);
    EXPECT_EQ(big.text(), "mike");

    // Windows-1252 letters sort by their Unicode case folding: e-acute folds with
    // E-acute (so "\xE9lan" < "\xC9vora" by l < v) and both come after every ASCII letter.
    ComboBox accents(ComboBox::Order::Sorted);
    accents.addItems({"\xC9vora", "zulu", "\xE9lan", "Yankee"});
    EXPECT_THAT(Entries(accents), ElementsAre("Yankee", "zulu", "\xE9lan", "\xC9vora"));
}

TEST(ComboBoxTest, SortedListStaysStableWithManyEqualEntries) {
    // "depot" has 32 spellings that differ in case only (2^5), all equal ignoring case.
    // Added 1600 times over in a scattered order among as many "Yard" and "Bay"
    // entries, each spelling must keep the order in which it came: a sort that is not
    // stable keeps it for a handful of entries only.
    const auto spelling = [](int variant) {
        std::string text = "depot";
        for (int letter = 0; letter < 5; ++letter) {
            if ((variant >> letter) & 1) {
                text[static_cast<std::size_t>(letter)] -= 'a' - 'A';
            }
        }
        return text;
    };
    std::vector<std::string> added;
    std::vector<std::string> depots;
    for (int k = 0; k < 1600; ++k) {
        const std::string depot = spelling((k * 13) % 32);
        added.push_back(k % 2 == 0 ? "Yard" : "bay");
        added.push_back(depot);
        depots.push_back(depot);
    }
    std::vector<std::string> expected(800, "bay");
    expected.insert(expected.end(), depots.begin(), depots.end());
    expected.insert(expected.end(), 800, "Yard");

    ComboBox allAtOnce(ComboBox::Order::Sorted);
    allAtOnce.addItems(added);
    EXPECT_EQ(Entries(allAtOnce), expected);

    ComboBox inTwoBatches(ComboBox::Order::Sorted);
    inTwoBatches.addItems(std::vector<std::string>(added.begin(), added.begin() + 1000));
    inTwoBatches.addItems(std::vector<std::string>(added.begin() + 1000, added.end()));
    EXPECT_EQ(Entries(inTwoBatches), expected);
}

TEST(ComboBoxTest, CascadesRunInTheOrderTheHandlersWriteTheControls) {
    ComboBox list;
    TextBox latitude;
    TextBox longitude;
    EventLog log;
    list.addItems({"Helsinki", "Oulu"});
    list.onClick([&] {
        log.events.push_back("list click " + list.text());
        latitude.setText("60.17");
        list.setText(list.text() + " (chosen)");
        log.events.push_back("list click done");
    });
    list.onChange(log.record("list change"));
    latitude.onChange([&] {
        log.events.push_back("latitude change");
        longitude.setText("24.94");
    });
    longitude.onChange(log.record("longitude change"));

    list.choose(0);
    EXPECT_THAT(log.events, ElementsAre("list click Helsinki", "latitude change",
                                        "longitude change", "list change", "list click done"));
    EXPECT_EQ(list.text(), "Helsinki (chosen)");
}

TEST(ComboBoxTest, ThePositionInTheListFollowsTheProgramsWrites) {
    ComboBox box;
    std::vector<std::string> log;
    box.onClick([&] { log.push_back("click " + box.text()); });
    box.addItems({"63", "87", "97", "97", "101"});

    // The entry of the text written is the current one (the first of equal ones), so
    // the arrow keys step on from the entry shown.
    box.setText("97");
    EXPECT_EQ(box.currentIndex(), 2);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_THAT(log, ElementsAre("click 97"));
    EXPECT_EQ(box.currentIndex(), 3);

    // A stored name padded with spaces finds its entry; the text keeps its padding.
    box.setText("63   ");
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.text(), "63   ");

    // A text that is no entry: no entry is current and the text stays as written.
    box.setText("99");
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.text(), "99");

    // After the list is refilled the look-up sees the new entries.
    box.clear();
    box.addItems({"99", "103"});
    box.setText("103");
    EXPECT_EQ(box.currentIndex(), 1);
}

TEST(ComboBoxTest, ProgramWritesShowTheStartAndSelectTheNameWhenFocused) {
    QWidget window;
    auto& box = *new ComboBox(ComboBox::Order::AsAdded, &window);
    auto& other = *new TextBox(&window);  // somewhere else for the focus to be
    other.move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other.setFocus();

    // A stored 50-character name written while the focus is elsewhere: the view at its
    // start, nothing selected.
    const std::string padded = "Atlanta, GA" + std::string(39, ' ');
    box.setText(padded);
    EXPECT_EQ(box.lineEdit()->cursorPosition(), 0);
    EXPECT_TRUE(box.lineEdit()->selectedText().isEmpty());

    // The focus arrives (not by a click): the name is selected up to its padding, so
    // typing replaces the name.
    box.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(box.hasFocus());
    EXPECT_EQ(box.lineEdit()->selectedText(), "Atlanta, GA");
    QTest::keyClicks(box.lineEdit(), "Denver");
    EXPECT_EQ(box.text(), "Denver" + std::string(39, ' '));

    // Once the user has edited it, the focus coming back selects nothing of its own.
    other.setFocus();
    box.setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(box.lineEdit()->selectedText().isEmpty());

    // Written while focused: selected at once.
    box.setText("Miami, FL   ");
    EXPECT_EQ(box.lineEdit()->selectedText(), "Miami, FL");
}

}  // namespace
}  // namespace tarvo
