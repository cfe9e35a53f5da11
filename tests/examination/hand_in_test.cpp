#include "exam_fixture.h"
#include "examination/form1.h"
#include "examination/form4.h"
#include "examination/form5.h"
#include "examination/score_hook.h"

#include <QTest>

namespace qv::test {
namespace {

const MessageRequest kConfirm{QStringLiteral("确认要交卷吗?若要交卷,则考生不能再次进入!"),
                              QStringLiteral("Quorvane_信息提示"), MsgButtons::OkCancel,
                              MsgIcon::Information, 2};
const MessageRequest kIdeStillOpen{QStringLiteral("Visual Basic 还没有退出，请先退出再交卷。"),
                                   QStringLiteral("Quorvane_信息提示"), MsgButtons::Ok,
                                   MsgIcon::None, 1};

class HandIn : public ExamFixture {
  protected:
    void SetUp() override {
        ExamFixture::SetUp();
        Forms::get<Form4>().show();
        Form5& bar = Forms::get<Form5>();
        bar.show();
        bar.Timer1->setEnabled(true);
        setScoreWindowOpener([this] { ++scoreWindows; });
    }
    void TearDown() override {
        setScoreWindowOpener(nullptr);
        ExamFixture::TearDown();
    }
    void clickHandIn() {
        emit Forms::get<Form5>().Label5->Click();
        settle();
    }
    bool handedIn() const {
        return !Forms::isLoaded<Form5>() && Forms::isLoaded<Form1>() &&
               Forms::get<Form1>().isVisible() && !Forms::get<Form4>().isVisible();
    }
    int scoreWindows = 0;
};

TEST_F(HandIn, CancelChangesNothingButTheLook) {
    dialogs.answer(MsgResult::Cancel);
    clickHandIn();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kConfirm);
    ASSERT_TRUE(Forms::isLoaded<Form5>());
    EXPECT_EQ(Forms::get<Form5>().alpha(), 255);
    EXPECT_TRUE(Forms::get<Form5>().Timer1->Enabled());
    EXPECT_FALSE(Forms::isLoaded<Form1>());
    EXPECT_EQ(desktop.calls, 0);
}

TEST_F(HandIn, IdeTitleAnywhereRefusesIt) {
    struct Case {
        QString title;
        bool refused;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("Microsoft Visual Basic [设计]"), true},
        {QStringLiteral("工程1 - Microsoft Visual Basic [设计]"), true},
        {QStringLiteral("工程1 - Microsoft Visual Basic"), true},
        {QStringLiteral("microsoft visual basic"), false},
        {QStringLiteral("Quorvane_二级Visual Basic考试系统--姓名:模拟1"), false},
        {QStringLiteral("Visual Basic"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        dialogs.messages.clear();
        desktop.windows = {window(QStringLiteral("Quorvane")), window(c.title, 42)};
        dialogs.answer(MsgResult::Ok);
        clickHandIn();
        if (c.refused) {
            ASSERT_EQ(dialogs.messages.size(), 2u);
            EXPECT_EQ(dialogs.messages[1], kIdeStillOpen);
            EXPECT_TRUE(Forms::isLoaded<Form5>());
            EXPECT_FALSE(Forms::isLoaded<Form1>());
            EXPECT_TRUE(Forms::get<Form4>().isVisible());
            EXPECT_EQ(Forms::get<Form5>().List1.ItemData(1), 42u);
        } else {
            EXPECT_EQ(dialogs.messages.size(), 1u);
            EXPECT_TRUE(handedIn());
            return;  // the bar is gone; the remaining cases would need a fresh one
        }
    }
}

TEST_F(HandIn, ProgramsOwnWindowsDoNotBlockIt) {
    desktop.windows = {window(QStringLiteral("Quorvane")),
                       window(QStringLiteral("Quorvane_二级Visual Basic考试系统--姓名:模拟1"))};
    dialogs.answer(MsgResult::Ok);
    ExamState::get().TimeLeft = 4000;
    clickHandIn();
    EXPECT_TRUE(handedIn());
    // The clock stops with the bar; the time file keeps its last value.
    EXPECT_EQ(ExamState::get().TimeLeft, 4000);
}

TEST_F(HandIn, TimeOutDuringTheConfirmationHandsInOnlyOnce) {
    ExamState::get().TimeLeft = 1;
    dialogs.whileOpen = [] {
        if (Forms::isLoaded<Form5>()) Forms::get<Form5>().Timer1->fire();
    };
    dialogs.answer(MsgResult::Ok);
    clickHandIn();
    EXPECT_TRUE(handedIn());
    EXPECT_EQ(desktop.calls, 1);  // only the time-out looked at the desktop
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

class EndPassword : public HandIn {
  protected:
    Form1& endWindow() {
        Form1& form = Forms::get<Form1>();
        form.show();
        return form;
    }
};

TEST_F(EndPassword, WindowOffersThePasswordAndCannotBeClosed) {
    Form1& form = endWindow();
    EXPECT_EQ(form.Text1->text(), QStringLiteral("qzt"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("交卷正常,请输入结束密码:"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("结束密码是: qzt  真正考试须有监考老师输入密码"));
    EXPECT_EQ(form.Command1->text(), QStringLiteral("结束"));
    EXPECT_EQ(form.size(), QSize(377, 115));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(form.close());
    settle();
    EXPECT_TRUE(Forms::isLoaded<Form1>());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(EndPassword, AcceptedInAnyCase) {
    for (const QString& typed :
         {QStringLiteral("qzt"), QStringLiteral("QZT"), QStringLiteral("qZt")}) {
        Form1& form = endWindow();
        form.Text1->setText(typed);
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        settle();
        EXPECT_FALSE(Forms::isLoaded<Form1>()) << typed.toStdString();
    }
    EXPECT_EQ(scoreWindows, 3);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EndPassword, WrongTextIsRefusedAndEmptied) {
    for (const QString& typed :
         {QStringLiteral("qzt "), QStringLiteral(""), QStringLiteral("abc")}) {
        Form1& form = endWindow();
        form.Text1->setText(typed);
        form.Command1->click();
        settle();
        ASSERT_TRUE(Forms::isLoaded<Form1>());
        EXPECT_TRUE(form.Text1->text().isEmpty());
    }
    EXPECT_EQ(scoreWindows, 0);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0],
              (MessageRequest{QStringLiteral("密码不正确,请重新输入"), QStringLiteral("结束考试"),
                              MsgButtons::Ok, MsgIcon::Information, 1}));
}

TEST_F(EndPassword, AfterAReturnTheWindowComesFreshWithThePassword) {
    Form1& first = endWindow();
    first.Text1->setText(QStringLiteral("x"));
    first.Command1->click();
    first.Text1->setText(QStringLiteral("qzt"));
    first.Command1->click();
    settle();
    EXPECT_EQ(endWindow().Text1->text(), QStringLiteral("qzt"));
}

}  // namespace
}  // namespace qv::test
