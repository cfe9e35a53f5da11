#include "grading/score_report.h"
#include "qstring_print.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ScoreReport, NumberCellIsThreeCharactersRightAligned) {
    const std::pair<int, const char*> cases[] = {{0, "  0"},   {9, "  9"},  {15, " 15"},
                                                 {100, "100"}, {-3, " -3"}, {-12, "-12"}};
    for (const auto& [points, cell] : cases) {
        EXPECT_EQ(numberCell(points), QString::fromLatin1(cell)) << points;
    }
}

TEST(ScoreReport, FullMarksRows) {
    const std::array<QString, 6> rows = reportRows({0, 15, 15, 20, 20, 30}, 7);
    EXPECT_EQ(rows[1], QStringLiteral("一、1   15      15      基本操作"));
    EXPECT_EQ(rows[2], QStringLiteral("一、2   15      15      基本操作"));
    EXPECT_EQ(rows[3], QStringLiteral("二、1   20      20      简单应用"));
    EXPECT_EQ(rows[4], QStringLiteral("二、2   20      20      简单应用"));
    EXPECT_EQ(rows[5], QStringLiteral("三、1   30      30      综合应用"));
    EXPECT_EQ(rows[0], QStringLiteral("总分   100     100      第7套题"));
}

TEST(ScoreReport, EmptyPaperAndTwoDigitSet) {
    const std::array<QString, 6> rows = reportRows({0, 0, 0, 0, 0, 0}, 12);
    EXPECT_EQ(rows[3], QStringLiteral("二、1   20       0      简单应用"));
    EXPECT_EQ(rows[0], QStringLiteral("总分   100       0      第12套题"));
    // The fixed texts line up: 13 characters before every cell.
    for (const QString& row : rows) EXPECT_EQ(row.mid(13, 3), QStringLiteral("  0"));
}

TEST(ScoreReport, NotesTextHasABlockPerItemWithMessages) {
    EXPECT_EQ(gradeNotesText({}), QString());
    std::array<QString, 6> notes;
    notes[2] = QStringLiteral("\r\n     考生没有生成文件sjt2.frm!");
    notes[5] = QStringLiteral("\r\n     a\r\n     b");
    EXPECT_EQ(gradeNotesText(notes), QStringLiteral("\r\n   第一(2)题 信息:\r\n\r\n     "
                                                    "考生没有生成文件sjt2.frm!\r\n"
                                                    "\r\n   第 三  题 信息:\r\n\r\n     a\r\n     "
                                                    "b\r\n"));
}

TEST(ScoreReport, NoteHeaders) {
    EXPECT_EQ(gradeNotesHeader(1), QStringLiteral("   第一(1)题 信息:"));
    EXPECT_EQ(gradeNotesHeader(3), QStringLiteral("   第二(1)题 信息:"));
    EXPECT_EQ(gradeNotesHeader(4), QStringLiteral("   第二(2)题 信息:"));
}

}  // namespace
}  // namespace qv
