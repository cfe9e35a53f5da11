#include "exam_fixture.h"
#include "examination/form1.h"
#include "examination/form4.h"
#include "examination/form5.h"
#include "examination/form6.h"

#include <QScreen>

namespace qv::test {
namespace {

class Countdown : public ExamFixture {
  protected:
    // The bar as the start leaves it: shown, its timer on.
    Form5& runningBar(int16_t timeLeft) {
        ExamState::get().TimeLeft = timeLeft;
        Forms::get<Form4>().show();
        Form5& bar = Forms::get<Form5>();
        bar.show();
        bar.Timer1->setEnabled(true);
        return bar;
    }
};

TEST_F(Countdown, BarIsAThinTopmostStripCentredAtTheTop) {
    Form5& bar = Forms::get<Form5>();
    EXPECT_EQ(bar.size(), QSize(462, 19));
    EXPECT_EQ(bar.y(), 0);
    EXPECT_EQ(bar.x(), (bar.screen()->geometry().width() - 462) / 2);
    EXPECT_TRUE(bar.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(bar.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(bar.alpha(), 100);
    EXPECT_FALSE(bar.Timer1->Enabled());
    EXPECT_EQ(bar.Label1->text(), QStringLiteral("隐藏窗口"));
    EXPECT_EQ(bar.Label5->text(), QStringLiteral("   交卷"));
    EXPECT_EQ(bar.Picture1->size(), QSize(462, 19));
}

TEST_F(Countdown, EachTickTakesOneSecondWritesTheFileAndShowsTheClock) {
    Form5& bar = runningBar(5400);
    const std::vector<std::pair<QString, QByteArray>> expected = {
        {QStringLiteral("89:59"), " 5399 \r\n"},
        {QStringLiteral("89:58"), " 5398 \r\n"},
        {QStringLiteral("89:57"), " 5397 \r\n"},
    };
    for (const auto& [clock, file] : expected) {
        bar.Timer1->fire();
        EXPECT_EQ(bar.Label4->text(), clock);
        EXPECT_EQ(timeFileBytes(), file);
    }
    EXPECT_EQ(ExamState::get().TimeLeft, 5397);
}

TEST_F(Countdown, FiveMinuteWarningComesOnceAndDoesNotStopTheClock) {
    Form5& bar = runningBar(301);
    bar.Timer1->fire();
    EXPECT_EQ(bar.Label4->text(), QStringLiteral("5:00"));
    ASSERT_TRUE(Forms::isLoaded<Form6>());
    Form6& warning = Forms::get<Form6>();
    EXPECT_TRUE(warning.isVisible());
    EXPECT_EQ(warning.windowTitle(), QStringLiteral("Quorvane_信息提示"));
    EXPECT_EQ(warning.Label1->text(),
              QStringLiteral("系统还剩余5分钟,请考生注意存盘以免影响考试成绩!"));
    EXPECT_EQ(warning.frameGeometry().topLeft(), QPoint(200, 200));
    EXPECT_EQ(warning.size(), QSize(450, 120));
    EXPECT_TRUE(warning.windowFlags() & Qt::WindowStaysOnTopHint);
    bar.Timer1->fire();
    EXPECT_EQ(ExamState::get().TimeLeft, 299);
    warning.Command1->click();
    settle();
    EXPECT_FALSE(Forms::isLoaded<Form6>());
    bar.Timer1->fire();
    EXPECT_FALSE(Forms::isLoaded<Form6>());
    EXPECT_EQ(bar.Label4->text(), QStringLiteral("4:58"));
    EXPECT_TRUE(bar.Timer1->Enabled());
}

TEST_F(Countdown, AClickMakesTheBarOpaqueUntilTheNextMultipleOfFive) {
    Form5& bar = runningBar(5404);
    const std::vector<VbLabel*> clickables = {bar.Picture1, bar.Label2, bar.Label4};
    for (VbLabel* target : clickables) {
        ExamState::get().TimeLeft = 5404;
        emit target->Click();
        EXPECT_EQ(bar.alpha(), 255);
        EXPECT_DOUBLE_EQ(bar.windowOpacity(), 1.0);
        for (int t : {5403, 5402, 5401}) {
            bar.Timer1->fire();
            EXPECT_EQ(bar.alpha(), 255) << t;
        }
        bar.Timer1->fire();
        EXPECT_EQ(bar.alpha(), 100);
        EXPECT_NEAR(bar.windowOpacity(), 100 / 255.0, 0.01);
    }
}

TEST_F(Countdown, AfterAReturnWithNoTimeLeftTheClockGoesBelowZeroQuietly) {
    Form5& bar = runningBar(0);
    bar.Timer1->fire();
    EXPECT_EQ(bar.Label4->text(), QStringLiteral("-1:59"));
    EXPECT_EQ(timeFileBytes(), QByteArray("-1 \r\n"));
    for (int i = 0; i < 59; ++i) bar.Timer1->fire();
    EXPECT_EQ(bar.Label4->text(), QStringLiteral("-1:00"));
    EXPECT_EQ(timeFileBytes(), QByteArray("-60 \r\n"));
    EXPECT_FALSE(Forms::isLoaded<Form6>());
    EXPECT_FALSE(Forms::isLoaded<Form1>());
    EXPECT_TRUE(Forms::isLoaded<Form5>());
    EXPECT_TRUE(dialogs.inputs.empty());
    EXPECT_EQ(desktop.calls, 0);
}

TEST_F(Countdown, HideAndShowTheMainWindowFromTheBar) {
    Form5& bar = runningBar(5400);
    Form4& main = Forms::get<Form4>();
    emit bar.Label1->Click();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(bar.Label1->text(), QStringLiteral("显示窗口"));
    EXPECT_EQ(bar.alpha(), 255);
    emit bar.Label1->Click();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(bar.Label1->text(), QStringLiteral("隐藏窗口"));
    // The main window's own close button hides it as well, and the bar offers to show it.
    main.RTB1->setTextRTF(ExamState::get().QuestionRtf2);
    main.close();
    settle();
    ASSERT_TRUE(Forms::isLoaded<Form4>());
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(bar.Label1->text(), QStringLiteral("显示窗口"));
    emit bar.Label1->Click();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.RTB1->toPlainText(), QStringLiteral("Question two"));
}

TEST_F(Countdown, TimeFileFailureIsToldOnceAndTheClockGoesOn) {
    Form5& bar = runningBar(5400);
    QDir(drive.host(ExamState::get().StudentDir)).removeRecursively();
    bar.Timer1->fire();
    bar.Timer1->fire();
    EXPECT_EQ(bar.Label4->text(), QStringLiteral("89:58"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("tovo.tim")));
}

}  // namespace
}  // namespace qv::test
