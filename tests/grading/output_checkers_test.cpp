#include "grading_fixture.h"

#include "grading/output_match.h"
#include "grading/student_files.h"

namespace qv::test {
namespace {

struct SingleCase {
    const char* name;
    const char* expected;  // 其它答文
    const char* output;    // bytes of out.txt
    bool matches;
};
void PrintTo(const SingleCase& c, std::ostream* os) {
    *os << c.name;
}

class SingleResultTest : public GradingTest, public ::testing::WithParamInterface<SingleCase> {};

TEST_P(SingleResultTest, GivesTheOutputShareOnlyForAnAlternative) {
    const SingleCase& c = GetParam();
    useBank({{.item = 1, .type = "C", .expected = QString::fromUtf8(c.expected)}});
    writeStudentFile(QStringLiteral("out.txt"), QByteArray(c.output));
    Grader g = grader();
    runOutputChecker(g, "C", 1);
    EXPECT_EQ(g.ItemScore[1], c.matches ? 9 : 0);
    EXPECT_EQ(notes(1), c.matches ? QString() : note(QStringLiteral("out.txt程序结果错误!")));
    EXPECT_EQ(g.ItemMax[1], 6);
}

const SingleCase kSingleCases[] = {
    {"JoinedLinesMatch", "123#", "1\r\n2\r\n3\r\n", true},
    {"SecondAlternative", "456#123#", "123", true},
    {"WithoutFinalHashNeverCompared", "123", "123", false},
    {"TextAfterLastHashIgnored", "9#123", "123", false},
    {"EmptyOutputNeverMatches", "#", "", false},
    {"BlankOutputNeverMatchesBlankAlternative", "   #", "   \r\n", false},
    {"LetterCaseMatters", "Total=5#", "total=5", false},
    {"OuterSpacesTrimmedOnBothSides", "  sum 15  #", " sum 15 \r\n", true},
    {"TabsAreNotTrimmed", "5#", "5\t", false},
    {"ExpectedTrimmedBeforeScanning", " 5# ", "5", true},
};

INSTANTIATE_TEST_SUITE_P(Cases, SingleResultTest, ::testing::ValuesIn(kSingleCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MultiCase {
    const char* name;
    int item;
    const char* expected;
    const char* output;
    int score;
    bool message;
};
void PrintTo(const MultiCase& c, std::ostream* os) {
    *os << c.name;
}

class MultiResultTest : public GradingTest, public ::testing::WithParamInterface<MultiCase> {};

TEST_P(MultiResultTest, GivesCreditLineByLine) {
    const MultiCase& c = GetParam();
    useBank({{.item = c.item, .type = "T", .expected = QString::fromUtf8(c.expected)}});
    writeStudentFile(QStringLiteral("out.txt"), QByteArray(c.output));
    Grader g = grader();
    runOutputChecker(g, "T", static_cast<int16_t>(c.item));
    EXPECT_EQ(g.ItemScore[c.item], c.score);
    EXPECT_EQ(notes(c.item),
              c.message ? note(QStringLiteral("out.txt程序结果有错误!")) : QString());
}

const MultiCase kMultiCases[] = {
    {"TwoOfThreeOnItem3", 3, "a\r\nb\r\nc", "a\r\nb\r\nx\r\n", 8, true},
    // 1 ÷ 4 × 30 × 3 ÷ 5 = 4.5, rounded to the even 4.
    {"OneOfFourOnItem5", 5, "1\r\n2\r\n3\r\n4", "1\r\nx\r\nx\r\nx", 4, true},
    {"AllLines", 3, "a\r\nb\r\nc", "a\r\nb\r\nc\r\n", 12, false},
    {"TrailingBreakMakesAlwaysMatchingLastLine", 3, "a\r\nb\r\n", "a\r\nb\r\nanything", 12, false},
    {"LongerLastLineMatchesOnItsPrefix", 3, "a\r\nb\r\nc", "a\r\nb\r\ncdef", 12, false},
    {"LongerMiddleLineDoesNot", 3, "a\r\nb\r\nc", "a\r\nbX\r\nc", 8, true},
    {"ExtraOutputLinesIgnored", 3, "a\r\nb", "a\r\nb\r\nmore\r\nmore", 12, false},
    {"MissingOutputLinesAreEmpty", 3, "a\r\nb\r\nc", "a", 4, true},
    {"BlankExpectedLinesVanish", 3, "a\r\n\r\n\n\rb", "a\r\nb", 12, false},
    {"LoneLineFeedsSplitExpectedLines", 3, "a\nb", "a\r\nb", 12, false},
    {"LinesComparedTrimmed", 3, "  a  \r\nb", " a\r\nb", 12, false},
    {"LetterCaseMatters", 3, "Yes\r\nNo", "yes\r\nNo", 6, true},
    {"EmptyFileScoresNothing", 1, "x\r\ny", "", 0, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, MultiResultTest, ::testing::ValuesIn(kMultiCases),
                         [](const auto& info) { return std::string(info.param.name); });

QString numberedLines(int from, int to, const QString& separator) {
    QStringList lines;
    for (int i = from; i <= to; ++i) lines << QStringLiteral("L%1").arg(i);
    return lines.join(separator);
}

TEST(ExpectedLines, KeepTheFirst101) {
    const QStringList lines = expectedLines(numberedLines(1, 150, QStringLiteral("\r\n")));
    ASSERT_EQ(lines.size(), kMaxExpectedLines);
    EXPECT_EQ(lines.last(), QStringLiteral("L101"));
    // 101 lines and a final line break: the empty 102nd line falls away too.
    EXPECT_EQ(expectedLines(numberedLines(1, 101, QStringLiteral("\n")) + QChar('\n')).size(), 101);
    EXPECT_EQ(expectedLines(QStringLiteral("x  ")), QStringList{QStringLiteral("x  ")});
    EXPECT_EQ(expectedLines(QString()), QStringList{QString()});
}

class LongExpectedOutputTest : public GradingTest {};

TEST_F(LongExpectedOutputTest, OnlyTheFirst101LinesAreGraded) {
    useBank({{.item = 3, .type = "T", .expected = numberedLines(1, 150, "\r\n")}});
    // Line 101 is cut to the length of the expected L101; lines beyond are ignored.
    writeStudentFile(QStringLiteral("out.txt"),
                     (numberedLines(1, 100, "\r\n") + "\r\nL101tail\r\nwrong").toLatin1());
    Grader g = grader();
    runOutputChecker(g, "T", 3);
    EXPECT_EQ(g.ItemScore[3], 12);
    EXPECT_EQ(notes(3), QString());
}

struct MissingOutputCase {
    const char* name;
    const char* outputName;
    int item;
    int loweredMax;
};
void PrintTo(const MissingOutputCase& c, std::ostream* os) {
    *os << c.name;
}

class MissingOutputTest : public GradingTest,
                          public ::testing::WithParamInterface<MissingOutputCase> {};

// Names that are empty or leave the folder are never read, even when such a file exists.
TEST_P(MissingOutputTest, GivesNoShareAndLowersTheMaximum) {
    const MissingOutputCase& c = GetParam();
    const QString name = QString::fromUtf8(c.outputName);
    for (const char* type : {"C", "T"}) {
        useBank({{.item = c.item, .type = type, .outputName = name, .expected = "42#"}});
        drive_.writeFile(QStringLiteral("C:\\WEXAM\\secret.txt"), "42#");
        drive_.writeFile(QStringLiteral("C:\\secret.txt"), "42#");
        Grader g = grader();
        runOutputChecker(g, type, static_cast<int16_t>(c.item));
        EXPECT_EQ(g.ItemScore[c.item], 0) << type;
        EXPECT_EQ(g.ItemMax[c.item], c.loweredMax) << type;
        EXPECT_EQ(notes(c.item), note(QStringLiteral("未生成文件 ") + name + QStringLiteral("!")))
            << type;
        notes_[static_cast<size_t>(c.item)].clear();
    }
}

const MissingOutputCase kMissingOutputCases[] = {
    {"NoFile", "out.txt", 1, 6},
    {"EmptyName", "", 3, 8},
    {"BlankName", "  ", 3, 8},
    {"ParentFolder", "..\\secret.txt", 5, 12},
    {"AbsoluteWindowsPath", "C:\\secret.txt", 5, 12},
};

INSTANTIATE_TEST_SUITE_P(Cases, MissingOutputTest, ::testing::ValuesIn(kMissingOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

class OutputFileTest : public GradingTest {};

TEST_F(OutputFileTest, NameIsResolvedWhateverItsCase) {
    useBank({{.item = 1, .type = "C", .outputName = "Result\\Out.TXT", .expected = "7#"}});
    writeStudentFile(QStringLiteral("result/OUT.txt"), "7\r\n");
    Grader g = grader();
    runOutputChecker(g, "C", 1);
    EXPECT_EQ(g.ItemScore[1], 9);
}

TEST_F(OutputFileTest, OversizedOutputGetsNoShareAndAMessage) {
    for (const char* type : {"C", "T"}) {
        useBank({{.item = 5, .type = type, .expected = "x#"}});
        writeStudentFile(QStringLiteral("out.txt"), "x#");
        QFile output(folder() + QStringLiteral("/out.txt"));
        ASSERT_TRUE(output.resize(kStudentFileLimit + 1));
        Grader g = grader();
        runOutputChecker(g, type, 5);
        EXPECT_EQ(g.ItemScore[5], 0) << type;
        EXPECT_EQ(g.ItemMax[5], 12) << type;
        EXPECT_EQ(notes(5), note(QStringLiteral("文件out.txt超过16MB,不予评分!"))) << type;
        notes_[5].clear();
    }
}

TEST_F(OutputFileTest, FileOfOnlyLineEndsScoresNothing) {
    // A loop that printed blank lines.
    useBank({{.item = 3, .type = "T", .expected = "a\r\nb"}});
    writeStudentFile(QStringLiteral("out.txt"), QByteArray(1 << 20, '\r'));
    Grader g = grader();
    runOutputChecker(g, "T", 3);
    EXPECT_EQ(g.ItemScore[3], 0);
}

}  // namespace
}  // namespace qv::test
