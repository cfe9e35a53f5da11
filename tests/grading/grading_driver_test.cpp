#include "grading_fixture.h"

#include "grading/paper_grading.h"
#include "login/exam_state.h"

#include <stdexcept>

namespace qv::test {
namespace {

class GradingDriverTest : public GradingTest {};

TEST_F(GradingDriverTest, MissingFormDiscardsAMatchingOutput) {
    useBank({{.item = 1, .type = "C", .expected = "ok#"}});
    writeStudentFile(QStringLiteral("out.txt"), "ok");
    Grader g = grader();
    g.PingF(1);
    EXPECT_EQ(g.ItemScore[1], 0);
    EXPECT_EQ(notes(1), note(QStringLiteral("考生没有生成文件sjt1.frm!")));
}

TEST_F(GradingDriverTest, TypeTestsAreExact) {
    // Lower-case "c" and "t", or a padded "C", are design-only: no output file is asked for.
    for (const char* type : {"c", "t", " C", "CT"}) {
        useBank({{.item = 2, .type = type, .checkData = "form1$"}});
        writeStudentFile(QStringLiteral("sjt2.frm"), "Begin VB.Form Form1");
        Grader g = grader();
        g.PingF(2);
        EXPECT_EQ(g.ItemScore[2], 15) << type;
        EXPECT_EQ(g.ItemMax[2], 15) << type;
        EXPECT_EQ(notes(2), QString()) << type;
    }
}

TEST_F(GradingDriverTest, OutputItemsSplitTheirMaximum) {
    // Item 5 as a design-only item can reach 30; as an output item 18 + 12.
    useBank({{.setNo = 1, .item = 5, .checkData = "x$"},
             {.setNo = 2, .item = 5, .type = "T", .checkData = "x$", .expected = "1\r\n2"}});
    writeStudentFile(QStringLiteral("sjt5.frm"), "x form");
    writeStudentFile(QStringLiteral("out.txt"), "1\r\n2");
    Grader designOnly = grader(1);
    designOnly.PingF(5);
    EXPECT_EQ(designOnly.ItemScore[5], 30);
    EXPECT_EQ(designOnly.ItemMax[5], 30);

    Grader output = grader(2);
    output.PingF(5);
    EXPECT_EQ(output.ItemScore[5], 30);
    EXPECT_EQ(output.ItemMax[5], 12);
}

TEST_F(GradingDriverTest, DesignShareUsesTheLoweredMaximum) {
    // Wrong output, half the design: 0 + 8 × 1 ÷ 2.
    useBank({{.item = 3, .type = "C", .checkData = "zz$", .expected = "ok#"}});
    writeStudentFile(QStringLiteral("out.txt"), "no");
    writeStudentFile(QStringLiteral("sjt3.frm"), "form");
    Grader g = grader();
    g.PingF(3);
    EXPECT_EQ(g.ItemScore[3], 4);
    EXPECT_EQ(notes(3), note(QStringLiteral("out.txt程序结果错误!")) +
                            note(QStringLiteral("文件sjt3.frm设计有误或者还有其它答案(供参考)!")) +
                            note(QStringLiteral("题目要求...zz...")));
}

TEST_F(GradingDriverTest, MissingOutputStillLetsTheFormEarnItsShare) {
    useBank({{.item = 4, .type = "T", .checkData = "", .expected = "1"}});
    writeStudentFile(QStringLiteral("sjt4.frm"), "form");
    Grader g = grader();
    g.PingF(4);
    EXPECT_EQ(g.ItemScore[4], 8);
    EXPECT_EQ(notes(4), note(QStringLiteral("未生成文件 out.txt!")));
}

TEST_F(GradingDriverTest, ItemIsCappedAtItsMaximum) {
    // Output share 12 plus 8 × 3 ÷ 2 from "#"-counted segments would be 24.
    useBank({{.item = 3, .type = "C", .checkData = "x$y#", .expected = "ok#"}});
    writeStudentFile(QStringLiteral("out.txt"), "ok");
    writeStudentFile(QStringLiteral("sjt3.frm"), "xyz");
    Grader g = grader();
    g.PingF(3);
    EXPECT_EQ(g.ItemScore[3], 20);
}

TEST_F(GradingDriverTest, MissingRecordScoresZeroAndTheRestIsGraded) {
    useBank({{.setNo = 3, .item = 1}, {.setNo = 3, .item = 3}});
    writeStudentFile(QStringLiteral("sjt1.frm"), "f");
    writeStudentFile(QStringLiteral("sjt3.frm"), "f");
    const PaperGrade grade = gradePaper(context(3));
    EXPECT_EQ(grade.scores, (std::array<int16_t, 6>{0, 15, 0, 20, 0, 0}));
    EXPECT_EQ(grade.total, 35);
    EXPECT_EQ(notes(2), note(QStringLiteral("题库中没有第3套题第2题的记录,本题得0分!")));
    EXPECT_EQ(notes(5), note(QStringLiteral("题库中没有第3套题第5题的记录,本题得0分!")));
    EXPECT_EQ(notes(1), QString());
}

TEST_F(GradingDriverTest, GradingTwiceStartsAfresh) {
    std::vector<ItemSpec> items;
    for (int item = 1; item <= 5; ++item) {
        items.push_back({.item = item, .type = "C", .checkData = "k$", .expected = "1#"});
    }
    useBank(items);
    for (const char* name : {"sjt1.frm", "sjt2.frm", "sjt3.frm", "sjt4.frm", "sjt5.frm"}) {
        writeStudentFile(QString::fromLatin1(name), "k form");
    }
    writeStudentFile(QStringLiteral("out.txt"), "1");
    const PaperGrade first = gradePaper(context());
    EXPECT_EQ(first.total, 100);
    writeStudentFile(QStringLiteral("out.txt"), "2");
    const PaperGrade second = gradePaper(context());
    EXPECT_EQ(second.scores, (std::array<int16_t, 6>{0, 6, 6, 8, 8, 12}));
    EXPECT_EQ(notes(1), note(QStringLiteral("out.txt程序结果错误!")));

    // The window's own grader, shown a second time, loads the maxima again.
    Grader g = grader();
    g.PingF(1);
    EXPECT_EQ(g.ItemMax[1], 6);
    g.resetMaxima();
    EXPECT_EQ(g.ItemMax, kItemMaxAtLoad);
}

TEST_F(GradingDriverTest, ItemNumbersOutsideOneToFiveAreRefused) {
    useBank({{.item = 1}});
    Grader g = grader();
    EXPECT_THROW(g.PingF(0), std::out_of_range);
    EXPECT_THROW(g.PingF(6), std::out_of_range);
}

TEST_F(GradingDriverTest, ExamStateContextMapsTheStudentFolderOntoTheDrive) {
    useBank({{.item = 1}});
    ExamState::reset();
    ExamState& state = ExamState::get();
    state.StudentDir = QStringLiteral("C:\\WEXAM\\27010001");
    state.SetNo = 1;
    EXPECT_THROW(contextFromExamState(state), std::logic_error);
    state.BankConn = std::move(bank_);
    writeStudentFile(QStringLiteral("SJT1.frm"), "x");
    Grader g(contextFromExamState(state));
    g.PingF(1);
    EXPECT_EQ(g.ItemScore[1], 15);
    EXPECT_EQ(state.GradeNotes[1], QString());
    ExamState::reset();
}

}  // namespace
}  // namespace qv::test
