#include "grading_fixture.h"

#include "grading/design_search.h"
#include "grading/student_files.h"
#include "platform/codepage.h"

namespace qv::test {
namespace {

struct SearchCase {
    const char* name;
    const char* data;
    const char* text;
    int matched;
    int runCounter;
    QStringList missed;
};
void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << c.name;
}

class DesignSearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(DesignSearchTest, CountsSegmentsAsTheTerminatorsSay) {
    const SearchCase& c = GetParam();
    const DesignMatch match = matchCheckData(QString::fromUtf8(c.text), QString::fromUtf8(c.data));
    EXPECT_EQ(match.matched, c.matched);
    EXPECT_EQ(match.runCounter, c.runCounter);
    EXPECT_EQ(match.missed, c.missed);
}

const SearchCase kSearchCases[] = {
    {"EmptyDataMatchesAnyText", "", "abc", 1, 1, {}},
    {"EmptyDataEmptyText", "", "", 0, 1, {}},
    {"EmptyTextMissesEverySegment", "alpha#beta#", "", 0, 1, {"alpha", "beta"}},
    {"OrderedBothPresent", "x$y$", "..x..y..", 3, 3, {}},
    {"OrderedSecondMissing", "x$y$", "..x....", 2, 3, {"y"}},
    {"OrderedSecondOnlyBeforeFirst", "x$y$", "..y..x..", 2, 3, {"y"}},
    // a$b#c$d#: b and c must follow a and b; d stands anywhere.
    {"RunsOfOrderAndFreedom", "a$b#c$d#", "d..a..b..c", 5, 3, {}},
    {"OrderBrokenInTheMiddle", "a$b#c$d#", "d..b..a..c", 4, 3, {"b"}},
    {"AfterAFailureTheWholeTextIsSearched", "x$zz#x#", "x", 2, 2, {"zz"}},
    {"NextSegmentMayOverlapThePrevious", "abc$bcd$", "abcd", 3, 3, {}},
    {"EmptySegmentInsideText", "abc$$", "abc", 3, 3, {}},
    {"EmptySegmentPastTheEnd", "c$$", "abc", 2, 3, {""}},
    {"SegmentsTrimmedOfSpacesOnly", "  a b  #", "a b", 2, 1, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, DesignSearchTest, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct DesignCase {
    const char* name;
    const char* checkData;
    const char* formFile;  // sjt1.frm (item 1, maximum 15), written in code page 936
    int score;
    QStringList missed;  // segments named in the messages, in order
};
void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.name;
}

class DesignCheckerTest : public GradingTest, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(DesignCheckerTest, ScoresAndNamesMissedSegments) {
    const DesignCase& c = GetParam();
    useBank({{.item = 1, .checkData = QString::fromUtf8(c.checkData)}});
    writeStudentFile(QStringLiteral("sjt1.frm"), toAnsi(QString::fromUtf8(c.formFile)));
    Grader g = grader();
    g.PingF(1);
    EXPECT_EQ(g.ItemScore[1], c.score);
    QString expectedNotes;
    for (const QString& segment : c.missed) {
        expectedNotes += note(QStringLiteral("文件sjt1.frm设计有误或者还有其它答案(供参考)!")) +
                         note(QStringLiteral("题目要求...") + segment + QStringLiteral("..."));
    }
    EXPECT_EQ(notes(1), expectedNotes);
    EXPECT_EQ(g.ItemMax[1], 15) << "a design-only item keeps its maximum";
}

const DesignCase kDesignCases[] = {
    {"EmptyDataFullShare", "", "Begin VB.Form Form1\r\n", 15, {}},
    {"EmptyFileEarnsNothing", "alpha$beta$", "", 0, {"alpha", "beta"}},
    {"TwoThirdsOfTheShare", "x$y$", "..x....", 10, {"y"}},
    {"CaseIgnoredBothSides", "Caption = \"OK\"$", "CAPTION = \"ok\"\r\n", 15, {}},
    {"CaseIgnoredBeyondAscii", "ΑΒΓ$", "αβγ", 15, {}},
    // 15 × 1 ÷ 2 = 7.5 rounds to the even 8.
    {"SpacesInsideSegmentExact", "caption = \"ok\"$", "caption  = \"ok\"", 8, {"caption = \"ok\""}},
    {"SegmentTrimmedOfOuterSpaces", "   left = 120   $", "Left = 120\r\n", 15, {}},
    {"LinesJoinedWithIndentation", "form1   begin$", "Form1\r\n   Begin\r\n", 15, {}},
    {"LoneLineFeedStaysInText", "ab$", "a\nb\r\n", 8, {"ab"}},
    {"FinalSegmentMissingIsSilent", "a$zz", "a", 8, {}},
    // Three matches of a run counter of 2 would be 22.5 points: kept to the item's 15.
    {"HashSegmentsCappedAtMaximum", "x$y#", "xyz", 15, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, DesignCheckerTest, ::testing::ValuesIn(kDesignCases),
                         [](const auto& info) { return std::string(info.param.name); });

class DesignFileTest : public GradingTest {};

TEST_F(DesignFileTest, TwoFormProjectIsGradedInItsFirstForm) {
    useBank({{.item = 5, .checkData = QStringLiteral("command1#"), .projectCode = "D"}});
    writeStudentFile(QStringLiteral("sjt5.frm"), "Command1");
    Grader g = grader();
    g.PingF(5);
    EXPECT_EQ(g.ItemScore[5], 0);
    EXPECT_EQ(notes(5), note(QStringLiteral("考生没有生成文件sjt51.frm!")));

    writeStudentFile(QStringLiteral("sjt51.frm"), "Begin\r\nEnd");
    g.PingF(5);
    EXPECT_EQ(notes(5), note(QStringLiteral("文件sjt51.frm设计有误或者还有其它答案(供参考)!")) +
                            note(QStringLiteral("题目要求...command1...")));
}

TEST_F(DesignFileTest, ProjectCodesAreExact) {
    EXPECT_EQ(designFileName(3, QStringLiteral("G")), QStringLiteral("sjt31.frm"));
    EXPECT_EQ(designFileName(3, QStringLiteral("g")), QStringLiteral("sjt3.frm"));
    EXPECT_EQ(designFileName(3, QStringLiteral(" D")), QStringLiteral("sjt3.frm"));
    EXPECT_EQ(designFileName(2, QString()), QStringLiteral("sjt2.frm"));
}

TEST_F(DesignFileTest, FormFileNameMatchesWhateverCaseTheIdeSaved) {
    useBank({{.item = 3, .checkData = QStringLiteral("text1#")}});
    writeStudentFile(QStringLiteral("SJT3.FRM"), "Text1");
    Grader g = grader();
    g.PingF(3);
    EXPECT_EQ(g.ItemScore[3], 20);
    EXPECT_EQ(notes(3), QString());
}

TEST_F(DesignFileTest, InvalidCodePageBytesDoNotStopTheSearch) {
    // 0x81 closes a line without its second byte; it must not merge with the next line.
    useBank({{.item = 1, .checkData = QStringLiteral("\uFFFDabc#\uFFFD\uFFFDx#")}});
    writeStudentFile(QStringLiteral("sjt1.frm"), QByteArray("\x81\r\nabc\xff\xffx"));
    Grader g = grader();
    g.PingF(1);
    EXPECT_EQ(g.ItemScore[1], 15);
    EXPECT_EQ(g.FileText, QStringLiteral("\uFFFDabc\uFFFD\uFFFDx"));
}

TEST_F(DesignFileTest, OversizedFormEarnsNoDesignShareButKeepsTheOutputShare) {
    useBank({{.item = 3, .type = "C", .checkData = "", .expected = "42#"}});
    writeStudentFile(QStringLiteral("out.txt"), "42\r\n");
    writeStudentFile(QStringLiteral("sjt3.frm"), "");
    QFile form(folder() + QStringLiteral("/sjt3.frm"));
    ASSERT_TRUE(form.resize(kStudentFileLimit + 1));
    Grader g = grader();
    g.PingF(3);
    EXPECT_EQ(g.ItemScore[3], 12);
    EXPECT_EQ(notes(3), note(QStringLiteral("文件sjt3.frm超过16MB,不予评分!")));
}

TEST_F(DesignFileTest, FormOfExactlyTheLimitIsRead) {
    useBank({{.item = 1, .checkData = QStringLiteral("end#")}});
    QByteArray bytes(kStudentFileLimit, '\r');
    bytes.replace(0, 3, "end");
    writeStudentFile(QStringLiteral("sjt1.frm"), bytes);
    Grader g = grader();
    g.PingF(1);
    EXPECT_EQ(g.ItemScore[1], 15);
}

TEST_F(DesignFileTest, FolderNamedAsTheFormCountsAsMissing) {
    useBank({{.item = 2}});
    QDir().mkpath(folder() + QStringLiteral("/sjt2.frm"));
    Grader g = grader();
    g.PingF(2);
    EXPECT_EQ(g.ItemScore[2], 0);
    EXPECT_EQ(notes(2), note(QStringLiteral("考生没有生成文件sjt2.frm!")));
}

}  // namespace
}  // namespace qv::test
