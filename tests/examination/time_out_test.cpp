#include "exam_fixture.h"
#include "examination/form1.h"
#include "examination/form4.h"
#include "examination/form5.h"

namespace qv::test {
namespace {

const QString kPromptText =
    QStringLiteral("考试时间结束。请输入延时密码,退出Visual Basic 并进行交卷。");

class TimeOut : public ExamFixture {
  protected:
    void SetUp() override {
        ExamFixture::SetUp();
        ExamState::get().TimeLeft = 1;
        Forms::get<Form4>().show();
        Form5& bar = Forms::get<Form5>();
        bar.show();
        bar.Timer1->setEnabled(true);
    }
    Form5& bar() { return Forms::get<Form5>(); }
    void expectHandedIn() {
        settle();
        EXPECT_FALSE(Forms::isLoaded<Form5>());
        ASSERT_TRUE(Forms::isLoaded<Form1>());
        EXPECT_TRUE(Forms::get<Form1>().isVisible());
        ASSERT_TRUE(Forms::isLoaded<Form4>());
        EXPECT_FALSE(Forms::get<Form4>().isVisible());
        EXPECT_TRUE(dialogs.messages.empty());  // no confirmation
    }
};

TEST_F(TimeOut, WithoutTheIdeThePaperIsHandedInAtOnce) {
    desktop.windows = {window(QStringLiteral("Quorvane")),
                       window(QStringLiteral("Quorvane_二级Visual Basic考试系统--姓名:模拟1"))};
    bar().Timer1->fire();
    EXPECT_EQ(timeFileBytes(), QByteArray(" 0 \r\n"));
    EXPECT_TRUE(dialogs.inputs.empty());
    expectHandedIn();
}

TEST_F(TimeOut, IdeTitleCountsOnlyAtTheStart) {
    desktop.windows = {window(QStringLiteral("工程1 - Microsoft Visual Basic [设计]"))};
    bar().Timer1->fire();
    EXPECT_TRUE(dialogs.inputs.empty());
    expectHandedIn();
}

TEST_F(TimeOut, DelayPasswordGivesSixtySeconds) {
    desktop.windows = {window(QStringLiteral("Quorvane")),
                       window(QStringLiteral("Microsoft Visual Basic [设计]"), 9)};
    dialogs.answerInput(QStringLiteral("+++"));
    bar().Timer1->fire();
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0],
              (InputRequest{kPromptText, QStringLiteral("Quorvane_信息提示"), QString()}));
    EXPECT_EQ(ExamState::get().TimeLeft, 60);
    Form4& main = Forms::get<Form4>();
    EXPECT_TRUE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.y(), 30);
    ASSERT_TRUE(Forms::isLoaded<Form5>());
    bar().Timer1->fire();
    EXPECT_EQ(bar().Label4->text(), QStringLiteral("0:59"));
    EXPECT_FALSE(Forms::isLoaded<Form1>());
}

TEST_F(TimeOut, HiddenMainWindowStaysHiddenWhenMadeTopmost) {
    Forms::get<Form4>().hide();
    desktop.windows = {window(QStringLiteral("Microsoft Visual Basic"))};
    dialogs.answerInput(QStringLiteral("+++"));
    bar().Timer1->fire();
    EXPECT_FALSE(Forms::get<Form4>().isVisible());
    EXPECT_EQ(ExamState::get().TimeLeft, 60);
}

TEST_F(TimeOut, WrongPasswordsAskAgainUntilTheIdeIsClosed) {
    const std::vector<TopWindow> ide = {window(QStringLiteral("Microsoft Visual Basic [运行]"))};
    desktop.upcoming = {ide, ide, ide, {}};
    dialogs.answerInput(QStringLiteral("++"));
    dialogs.answerInput(QString());
    dialogs.cancelInput();
    bar().Timer1->fire();
    EXPECT_EQ(dialogs.inputs.size(), 3u);
    EXPECT_EQ(desktop.calls, 4);  // a fresh list before every pass
    expectHandedIn();
}

TEST_F(TimeOut, TicksDuringThePromptCountBelowZeroAndFireNothingElse) {
    desktop.windows = {window(QStringLiteral("Microsoft Visual Basic"))};
    int ticksWhileOpen = 0;
    dialogs.whileOpen = [&] {
        if (ticksWhileOpen++ > 0) return;
        bar().Timer1->fire();
        bar().Timer1->fire();
        EXPECT_EQ(bar().Label4->text(), QStringLiteral("-1:58"));
        EXPECT_EQ(timeFileBytes(), QByteArray("-2 \r\n"));
    };
    dialogs.answerInput(QStringLiteral("+++"));
    bar().Timer1->fire();
    EXPECT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(ExamState::get().TimeLeft, 60);
    EXPECT_TRUE(Forms::isLoaded<Form5>());
}

TEST_F(TimeOut, ResumedWithNothingLeftNeverTimesOut) {
    ExamState::get().TimeLeft = 0;
    desktop.windows = {window(QStringLiteral("Microsoft Visual Basic"))};
    bar().Timer1->fire();
    EXPECT_EQ(bar().Label4->text(), QStringLiteral("-1:59"));
    EXPECT_TRUE(dialogs.inputs.empty());
    EXPECT_TRUE(Forms::isLoaded<Form5>());
}

}  // namespace
}  // namespace qv::test
