#include "exam_paper_fixture.h"

#include "examination/form4.h"
#include "examination/form5.h"

#include <QFile>

namespace qv::test {
namespace {

using AnswersButtonsTest = ExamPaperTest;

const QString kAnswersDone =
    QStringLiteral("答案已生成至考生文件夹中！此答案谨供参考。\r\n“返回考试”后重做可重新评分。");

QByteArray readHost(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(AnswersButtonsTest, AnswersAreWrittenAndReportedEachTime) {
    writePaper();
    FrmPingXi& w = Forms::get<FrmPingXi>();
    const QString form1 = studentHost() + QStringLiteral("/sjt1.frm");
    QFile::remove(form1);
    w.Command1->click();
    EXPECT_FALSE(readHost(form1).isEmpty());
    w.Command1->click();
    ASSERT_EQ(dialogs_.dialogs.messages.size(), 2u);
    for (const MessageRequest& m : dialogs_.dialogs.messages)
        EXPECT_EQ(m, (MessageRequest{kAnswersDone, QStringLiteral("Quorvane"), MsgButtons::Ok}));
    EXPECT_TRUE(Forms::isLoaded<FrmPingXi>());
}

TEST_F(AnswersButtonsTest, AFailedItemIsNamedAndNoSuccessIsReported) {
    struct Case {
        const char* name;
        QString blocker;  // a folder where the answer file must go
        int failedItem;
    };
    const Case cases[] = {
        {"first item", QStringLiteral("sjt1.frm"), 1},
        {"third item", QStringLiteral("sjt3.frm"), 3},
    };
    for (const Case& c : cases) {
        QDir(studentHost()).removeRecursively();
        writePaper();
        QFile::remove(studentHost() + QChar('/') + c.blocker);
        QDir().mkpath(studentHost() + QChar('/') + c.blocker);
        dialogs_.dialogs.messages.clear();
        Forms::get<FrmPingXi>().Command1->click();
        ASSERT_EQ(dialogs_.dialogs.messages.size(), 1u) << c.name;
        const MessageRequest& m = dialogs_.dialogs.messages[0];
        EXPECT_TRUE(m.text.startsWith(QStringLiteral("第%1小题的答案没有生成：").arg(c.failedItem)))
            << c.name << ": " << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(c.blocker)) << c.name;
        EXPECT_NE(m.text, kAnswersDone);
        EXPECT_EQ(m.text.contains(QStringLiteral("第1至第2小题的答案已写入考生文件夹。")),
                  c.failedItem == 3)
            << c.name;
        // Later items are not written.
        EXPECT_FALSE(QFileInfo(studentHost() + QStringLiteral("/sjt5.vbp")).isFile() &&
                     readHost(studentHost() + QStringLiteral("/sjt5.frm")) !=
                         readHost(studentHost() + QStringLiteral("/WARN/sjt5.frm")))
            << c.name;
    }
}

TEST_F(AnswersButtonsTest, LoggingInAgainClosesTheBankRestartsAndEnds) {
    FrmPingXi& w = Forms::get<FrmPingXi>();
    w.Command2->click();
    EXPECT_FALSE(ExamState::get().BankConn->isOpen());
    EXPECT_FALSE(Forms::isLoaded<FrmPingXi>());
    EXPECT_EQ(launcher_.launcher.restartCount, 1);
    EXPECT_EQ(launcher_.launcher.endCount, 1);
}

TEST_F(AnswersButtonsTest, LeavingClosesTheBankAndEnds) {
    Forms::get<FrmPingXi>().Command5->click();
    EXPECT_FALSE(ExamState::get().BankConn->isOpen());
    EXPECT_FALSE(Forms::isLoaded<FrmPingXi>());
    EXPECT_EQ(launcher_.launcher.restartCount, 0);
    EXPECT_EQ(launcher_.launcher.endCount, 1);
}

TEST_F(AnswersButtonsTest, HelpOpensTheSiteStartPageAndTheWindowStays) {
    launcher_.launcher.succeed = false;
    Forms::get<FrmPingXi>().Command3->click();
    ASSERT_EQ(launcher_.launcher.urls.size(), 1);
    EXPECT_TRUE(launcher_.launcher.urls[0].endsWith(QStringLiteral("/tovo/")));
    EXPECT_TRUE(Forms::isLoaded<FrmPingXi>());
    EXPECT_TRUE(dialogs_.dialogs.messages.empty());
}

TEST_F(AnswersButtonsTest, ReturningShowsQuestionOneAndAFreshBarThatCountsOn) {
    Form4& main = Forms::get<Form4>();
    main.RTB1->setPlainText(QStringLiteral("question three"));
    Forms::get<FrmPingXi>().Command4->click();
    EXPECT_FALSE(Forms::isLoaded<FrmPingXi>());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.RTB1->toPlainText(), QStringLiteral("question one"));
    ASSERT_TRUE(Forms::isLoaded<Form5>());
    Form5& bar = Forms::get<Form5>();
    EXPECT_TRUE(bar.isVisible());
    EXPECT_TRUE(bar.Timer1->Enabled());
    EXPECT_EQ(bar.Label2->text(), QStringLiteral("2601999988880001  模拟1"));
    EXPECT_EQ(bar.Label4->text(), QStringLiteral("20:34"));
}

TEST_F(AnswersButtonsTest, AnswersThenReturnThenHandInAgainScoresFullMarks) {
    useSet(2);
    writePaper();
    int firstTotal = -1;
    handIn([&](FrmPingXi& answers) {
        firstTotal = answers.LblNo[0]->text().mid(15, 3).trimmed().toInt();
        answers.Command1->click();
        answers.Command4->click();
    });
    EXPECT_LT(firstTotal, 100);
    ASSERT_TRUE(Forms::isLoaded<Form5>());
    handIn([&](FrmPingXi& answers) {
        EXPECT_EQ(answers.LblNo[0]->text(), QStringLiteral("总分   100     100      第2套题"));
        EXPECT_TRUE(answers.TextErrText().isEmpty()) << answers.TextErrText().toStdString();
    });
}

}  // namespace
}  // namespace qv::test
