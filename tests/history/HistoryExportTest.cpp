// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/HistoryExport.h"

#include <gtest/gtest.h>

#include "history/HistoryPlacement.h"
#include "support/FakeFileWriter.h"
#include "support/FakeMessageDialog.h"
#include "support/FakeSaveDialog.h"

namespace plumbrule {
namespace {

struct NameRow {
    const char* chosen;
    const char* written;
};

class ExportName : public ::testing::TestWithParam<NameRow> {};

TEST_P(ExportName, AddsTxtOnlyWhenTheNameHasNone) {
    EXPECT_EQ(ExportFileName(GetParam().chosen), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Names, ExportName,
                         ::testing::Values(NameRow{"/tmp/History", "/tmp/History.txt"},
                                           NameRow{"/tmp/History.txt", "/tmp/History.txt"},
                                           // Containment, not a suffix test.
                                           NameRow{"/tmp/a.txt.old", "/tmp/a.txt.old"},
                                           NameRow{"/tmp/notes.txt.bak", "/tmp/notes.txt.bak"},
                                           // Letter case does not matter.
                                           NameRow{"/tmp/History.TXT", "/tmp/History.TXT"},
                                           NameRow{"/tmp/History.Txt", "/tmp/History.Txt"},
                                           NameRow{"/tmp/History.text", "/tmp/History.text.txt"},
                                           NameRow{"/tmp/Historytxt", "/tmp/Historytxt.txt"},
                                           // Only the file's own name counts, not its folders.
                                           NameRow{"/tmp/plans.txt.d/History",
                                                   "/tmp/plans.txt.d/History.txt"},
                                           NameRow{"History", "History.txt"}));

struct FolderRow {
    ExportFolders folders;
    const char* proposed;
};

class ExportFolderChoice : public ::testing::TestWithParam<FolderRow> {};

TEST_P(ExportFolderChoice, IsTheProgramFolderWhenTheUserCanWriteThere) {
    EXPECT_EQ(ExportFolder(GetParam().folders), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ExportFolderChoice,
    ::testing::Values(FolderRow{{"/opt/pr", true, "/home/u/Documents", "/home/u"}, "/opt/pr"},
                      // Installed from the package: /usr/bin is the administrator's.
                      FolderRow{{"/usr/bin", false, "/home/u/Documents", "/home/u"},
                                "/home/u/Documents"},
                      FolderRow{{"/usr/bin", false, "", "/home/u"}, "/home/u"}));

TEST(ExportBytes, IsTheTapeAndOneLineBreak) {
    EXPECT_EQ(ExportBytes(""), "\r\n");
    EXPECT_EQ(ExportBytes("5\r\n+ 3\r\n= 8"), "5\r\n+ 3\r\n= 8\r\n");
    EXPECT_EQ(ExportBytes("5\r\n- "), "5\r\n- \r\n");  // the token's blank stays
}

class ExportHistoryTest : public ::testing::Test {
  protected:
    ExportOutcome run(const std::string& tape) {
        return ExportHistory(tape, {dialog, writer, messages, "/opt/plumbrule", {}});
    }
    testing::FakeSaveDialog dialog;
    testing::FakeFileWriter writer;
    testing::FakeMessageDialog messages;
};

TEST_F(ExportHistoryTest, AsksWithTheProgramFolderAndWritesTheTape) {
    dialog.answer = "/home/u/History";
    EXPECT_EQ(run("5\r\n+ 3"), ExportOutcome::Written);
    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(dialog.asked[0].title, "Export History List to a File...");
    EXPECT_EQ(dialog.asked[0].folder, "/opt/plumbrule");
    EXPECT_EQ(dialog.asked[0].fileName, "History.txt");
    EXPECT_EQ(dialog.asked[0].filter, "*.txt");
    EXPECT_EQ(writer.files.at("/home/u/History.txt"), "5\r\n+ 3\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExportHistoryTest, CancelWritesNothingAndSaysNothing) {
    dialog.answer = "";
    EXPECT_EQ(run("5"), ExportOutcome::Cancelled);
    EXPECT_EQ(writer.writes, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExportHistoryTest, AFailedWriteIsReported) {
    dialog.answer = "/nowhere/History.txt";
    writer.failWith = "No such file or directory";
    EXPECT_EQ(run("5"), ExportOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.lastText().find("/nowhere/History.txt"), std::string::npos);
    EXPECT_NE(messages.lastText().find("No such file or directory"), std::string::npos);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
}

struct CoordinateRow {
    SettingsStore::Value value;
    std::optional<int> twips;
};

class HistoryCoordinate : public ::testing::TestWithParam<CoordinateRow> {};

TEST_P(HistoryCoordinate, ReadsAWholeNumberInSixteenBits) {
    EXPECT_EQ(ReadHistoryCoordinate(GetParam().value), GetParam().twips);
}

INSTANTIATE_TEST_SUITE_P(Values, HistoryCoordinate,
                         ::testing::Values(CoordinateRow{{"1500", true}, 1500},
                                           CoordinateRow{{"-45", true}, -45},
                                           CoordinateRow{{"1500.5", true}, 1500},  // half to even
                                           CoordinateRow{{"1501.5", true}, 1502},
                                           CoordinateRow{{"32767", true}, 32767},
                                           CoordinateRow{{"-32768", true}, -32768},
                                           CoordinateRow{{"40000", true}, std::nullopt},
                                           CoordinateRow{{"32768", true}, std::nullopt},
                                           CoordinateRow{{"abc", true}, std::nullopt},
                                           CoordinateRow{{"", true}, std::nullopt},
                                           CoordinateRow{{"", false}, std::nullopt}));

TEST(HistoryTextBoxSize, KeepsTheMarginAndNeverGoesNegative) {
    const TextBoxSize designed = HistoryTextBoxSize(3525, 5595);
    EXPECT_EQ(designed.width, 3315);
    EXPECT_EQ(designed.height, 4800);
    EXPECT_EQ(HistoryTextBoxSize(3525, 795).height, 0);
    EXPECT_EQ(HistoryTextBoxSize(3525, 796).height, 1);
    EXPECT_EQ(HistoryTextBoxSize(3525, 700).height, 0);
    EXPECT_EQ(HistoryCoordinateText(1500), "1500");
    EXPECT_EQ(HistoryCoordinateText(-30), "-30");
}

}  // namespace
}  // namespace plumbrule
