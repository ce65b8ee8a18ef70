#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "platform/entry_list.h"

namespace tarvo {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Texts(const EntryList& list) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.count(); ++row) {
        texts.emplace_back(list.text(row));
    }
    return texts;
}

QString Shown(const EntryList& list, int row) {
    return list.data(list.index(row), Qt::DisplayRole).toString();
}

TEST(EntryListTest, HoldsProgramTextAndShowsItAsUnicode) {
    EntryList list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::Fatal);

    list.append(
        {"Montr\xE9"
         "al, QC",
         "Oulu", ""});
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(Shown(list, 0), QString::fromUtf8("Montréal, QC"));
    EXPECT_EQ(list.data(list.index(1), Qt::EditRole).toString(), "Oulu");
    EXPECT_EQ(Shown(list, 2), "");
    EXPECT_FALSE(list.data(list.index(1), Qt::ToolTipRole).isValid());
    EXPECT_EQ(list.rowCount(list.index(0)), 0);  // a list: no entry has children

    list.insert(1, "Helsinki");
    list.insert(4, "Turku");  // at the end
    EXPECT_THAT(Texts(list), ElementsAre("Montr\xE9"
                                         "al, QC",
                                         "Helsinki", "Oulu", "", "Turku"));

    list.clear();
    EXPECT_EQ(list.count(), 0);
    list.clear();  // an empty list stays empty
    list.append({});
    EXPECT_EQ(list.count(), 0);
}

TEST(EntryListTest, SearchedOftenFindsTheSameFirstEntries) {
    EntryList list;
    list.append({"97", "63", "97", "101"});
    // Many searches after one change (as the look list makes) answer as the first do.
    for (int round = 0; round < 10; ++round) {
        EXPECT_EQ(list.find("97"), 0);
        EXPECT_EQ(list.find("101"), 3);
        EXPECT_EQ(list.find("6"), -1);
    }
    list.insert(0, "101");
    for (int round = 0; round < 10; ++round) {
        EXPECT_EQ(list.find("101"), 0);
        EXPECT_EQ(list.find("97"), 1);
    }
}

TEST(EntryListTest, FindsTheFirstEntryOfATextAfterEveryChange) {
    EntryList list;
    list.append({"97", "63", "97", "101"});
    EXPECT_EQ(list.find("97"), 0);
    EXPECT_EQ(list.find("101"), 3);
    EXPECT_EQ(list.find("10"), -1);  // whole texts only
    EXPECT_EQ(list.find("97 "), -1);

    list.insert(0, "101");
    EXPECT_EQ(list.find("101"), 0);
    EXPECT_EQ(list.find("97"), 1);

    // Refilled from its own texts, in another order.
    list.assign({list.text(4), list.text(2), list.text(0)});
    EXPECT_THAT(Texts(list), ElementsAre("101", "63", "101"));
    EXPECT_EQ(list.find("101"), 0);
    EXPECT_EQ(list.find("97"), -1);

    list.clear();
    EXPECT_EQ(list.find("101"), -1);
    list.append({"101"});
    EXPECT_EQ(list.find("101"), 0);
}

}  // namespace
}  // namespace tarvo
