#include "analysis/exam_paper_fixture.h"

#include "grading/score_report.h"

#include <QTest>

namespace qv::test {
namespace {

using ScoreWindowTest = ExamPaperTest;

QStringList rowTexts(const FrmPingXi& answers) {
    QStringList rows;
    for (const VbLabel* row : answers.LblNo) rows << row->text();
    return rows;
}

TEST_F(ScoreWindowTest, LoadResetsMaximaAndArmsTheOneTick) {
    FrmScore& score = Forms::get<FrmScore>();
    ASSERT_NE(score.grader(), nullptr);
    EXPECT_EQ(score.grader()->ItemMax, (std::array<int16_t, 6>{0, 15, 15, 20, 20, 30}));
    EXPECT_TRUE(score.Timer1->Enabled());
    EXPECT_EQ(score.Timer1->Interval(), 100);
    EXPECT_TRUE(score.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(score.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_FALSE(score.Label1->isVisibleTo(&score));
    EXPECT_FALSE(score.Label2->isVisibleTo(&score));
    EXPECT_EQ(score.Label1->text(), QStringLiteral("系统正在处理数据，请等待"));
    EXPECT_EQ(score.Label2->text(), QStringLiteral("正在处理程序设计题……"));
    EXPECT_FALSE(Forms::isLoaded<FrmPingXi>()) << "the answers window loads only after grading";
}

TEST_F(ScoreWindowTest, AnEmptyFolderScoresZeroAndTheAnswersWindowReadsTheFinishedNotes) {
    QDir().mkpath(studentHost());
    handIn([&](FrmPingXi& answers) {
        // The waiting labels were shown and centred before grading.
        ASSERT_FALSE(scoreWindow_.isNull());
        const FrmScore& score = *scoreWindow_;
        EXPECT_TRUE(score.Label1->isVisibleTo(&score));
        EXPECT_EQ(score.Label1->x(), (score.width() - score.Label1->width()) / 2);
        EXPECT_EQ(score.Label1->y(), (score.height() - score.Label1->height()) / 2);
        EXPECT_EQ(score.Label2->y(), (score.height() - score.Label2->height()) * 4 / 5);
        EXPECT_FALSE(Forms::isLoaded<FrmScore>()) << "the score window unloads first";

        EXPECT_EQ(rowTexts(answers),
                  (QStringList{QStringLiteral("总分   100       0      第1套题"),
                               QStringLiteral("一、1   15       0      基本操作"),
                               QStringLiteral("一、2   15       0      基本操作"),
                               QStringLiteral("二、1   20       0      简单应用"),
                               QStringLiteral("二、2   20       0      简单应用"),
                               QStringLiteral("三、1   30       0      综合应用")}));
        for (int item = 1; item <= 5; ++item)
            EXPECT_FALSE(ExamState::get().GradeNotes[item].isEmpty()) << item;
        EXPECT_EQ(answers.TextErrText(), gradeNotesText(ExamState::get().GradeNotes));
        EXPECT_TRUE(answers.isVisible());
    });
    EXPECT_FALSE(Forms::isLoaded<FrmPingXi>());
}

TEST_F(ScoreWindowTest, ReferenceAnswersScoreFullMarksInTheDrawnSet) {
    useSet(2);
    writePaper();
    writeAnswers();
    handIn([&](FrmPingXi& answers) {
        EXPECT_EQ(rowTexts(answers),
                  (QStringList{QStringLiteral("总分   100     100      第2套题"),
                               QStringLiteral("一、1   15      15      基本操作"),
                               QStringLiteral("一、2   15      15      基本操作"),
                               QStringLiteral("二、1   20      20      简单应用"),
                               QStringLiteral("二、2   20      20      简单应用"),
                               QStringLiteral("三、1   30      30      综合应用")}));
        EXPECT_TRUE(answers.TextErrText().isEmpty());
    });
}

TEST_F(ScoreWindowTest, ClickingTheWaitingTextEndsTheProgram) {
    FrmScore& score = Forms::get<FrmScore>();
    score.show();
    score.Label1->show();
    QTest::mouseClick(score.Label1, Qt::LeftButton);
    EXPECT_EQ(launcher_.launcher.endCount, 1);
    EXPECT_TRUE(dialogs_.dialogs.messages.empty());
}

TEST_F(ScoreWindowTest, WithoutAnOpenBankItSaysSoInsteadOfGrading) {
    ExamState::get().BankConn.reset();
    FrmScore& score = Forms::get<FrmScore>();
    EXPECT_EQ(score.grader(), nullptr);
    score.Timer1->fire();
    ASSERT_EQ(dialogs_.dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs_.dialogs.messages[0].text, QStringLiteral("题库没有打开，无法评分。"));
    EXPECT_FALSE(Forms::isLoaded<FrmScore>());
    EXPECT_FALSE(Forms::isLoaded<FrmPingXi>());
}

}  // namespace
}  // namespace qv::test
