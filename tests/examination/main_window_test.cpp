#include "exam_fixture.h"
#include "examination/form4.h"
#include "examination/form5.h"

#include <QTest>

namespace qv::test {
namespace {

class MainWindow : public ExamFixture {
  protected:
    Form4& shown() {
        Form4& form = Forms::get<Form4>();
        form.show();
        settle();
        return form;
    }
    static void resizeTo(Form4& form, int widthTwips, int heightTwips) {
        form.setWidth(widthTwips);
        form.setHeight(heightTwips);
        settle();
    }
};

TEST_F(MainWindow, ShowsTheStudentFolderAndTheFrames) {
    Form4& form = shown();
    EXPECT_EQ(form.LblDIR->text(), QStringLiteral("C:\\WEXAM\\27010001"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("考生文件夹"));
    EXPECT_EQ(form.Width(), 9915);
    EXPECT_EQ(form.Height(), 7425);
    EXPECT_EQ(form.ToggleSwitch4->Width(), 9615);
    EXPECT_EQ(form.ToggleSwitch4->borderStyle(), 4);
    EXPECT_EQ(form.ToggleSwitch1->borderStyle(), 5);
    EXPECT_EQ(form.ToggleSwitch4->toolTip(), QStringLiteral("Orlenix Studio"));
    EXPECT_EQ(form.RTB1->heightTwips(), 5595);
    EXPECT_EQ(form.Command1->text(), QStringLiteral("基本操作题"));
    EXPECT_EQ(form.Command2->text(), QStringLiteral("简单应用题"));
    EXPECT_EQ(form.Command3->text(), QStringLiteral("综合应用题"));
}

TEST_F(MainWindow, MenuCaptionsAndAccessKeys) {
    Form4& form = shown();
    QStringList menus;
    for (QAction* action : form.MenuBar->actions()) menus << action->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("答题(&T)"), QStringLiteral("帮助(&H)")}));
    QStringList entries;
    for (QAction* action : form.MHelp->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(entries,
              (QStringList{QStringLiteral("帮助主题(&H)"), QStringLiteral("参考答案(&R)"),
                           QStringLiteral("-"), QStringLiteral("考试大纲(&E)"),
                           QStringLiteral("考试样题(&M)"), QStringLiteral("历年笔试真题(&T)"),
                           QStringLiteral("历年上机真题(&R)"), QStringLiteral("-"),
                           QStringLiteral("关于...(&A)")}));
    EXPECT_EQ(form.MVf->text(), QStringLiteral("启动Visual Basic"));
    // The reference-answer entry does nothing at all.
    form.Mresult->trigger();
    EXPECT_TRUE(programs.launcher.starts.empty());
    EXPECT_TRUE(programs.launcher.urls.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, ResizeKeepsTheWidthAndBoundsTheHeight) {
    Form4& form = shown();
    struct Case {
        int width, height;
        int expectHeight;
    };
    const std::vector<Case> cases = {
        {9915, 4995, 4995}, {12000, 6000, 6000}, {9915, 900, 2040},
        {6000, 9000, 7425}, {9915, 2040, 2040},  {9915, 7425, 7425},
    };
    for (const Case& c : cases) {
        resizeTo(form, c.width, c.height);
        SCOPED_TRACE(c.height);
        EXPECT_EQ(form.Width(), 9915);
        EXPECT_EQ(form.Height(), c.expectHeight);
        EXPECT_EQ(form.ToggleSwitch4->Height(), c.expectHeight - 1575);
        EXPECT_EQ(form.RTB1->heightTwips(), c.expectHeight - 1830);
        EXPECT_EQ(form.Label1->height() * 15, c.expectHeight - 1830);
    }
    resizeTo(form, 9915, 2040);
    EXPECT_EQ(form.RTB1->heightTwips(), 210);
}

TEST_F(MainWindow, QuestionButtonsReplaceTheTextAndGoToItsStart) {
    Form4& form = shown();
    form.RTB1->setPlainText(QStringLiteral("typed by the student"));
    form.Command2->click();
    EXPECT_EQ(form.RTB1->toPlainText(), QStringLiteral("Question two"));
    form.Command3->click();
    EXPECT_EQ(form.RTB1->toPlainText(), QStringLiteral("Question three"));
    form.RTB1->setSelStart(9);
    form.RTB1->insertPlainText(QStringLiteral("xyz"));
    form.Command1->click();
    EXPECT_EQ(form.RTB1->toPlainText(), QStringLiteral("Question one\nfirst"));
    EXPECT_EQ(form.RTB1->SelStart(), 0);
}

TEST_F(MainWindow, StartsTheIdeInTheStudentFolderEachTime) {
    Form4& form = shown();
    form.MVf->trigger();
    form.MVf->trigger();
    ASSERT_EQ(programs.launcher.starts.size(), 2u);
    for (const RecordingLauncher::Start& start : programs.launcher.starts) {
        EXPECT_EQ(start.exe,
                  QStringLiteral("C:\\Program Files\\Microsoft Visual Studio\\VB98\\VB6.EXE"));
        EXPECT_TRUE(start.args.isEmpty());
        EXPECT_EQ(start.workDir, QStringLiteral("C:\\WEXAM\\27010001"));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, MissingIdeIsToldAndTheExamGoesOn) {
    Form4& form = shown();
    programs.launcher.succeed = false;
    form.MVf->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0],
        (MessageRequest{QStringLiteral("你没有安装Visual Basic,或者没有安装在默认位置."),
                        QStringLiteral("考试提示"), MsgButtons::Ok, MsgIcon::Information, 1}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(MainWindow, UnloadOnlyHidesAndKeepsTheText) {
    Form4& form = shown();
    Forms::get<Form5>();
    form.Command3->click();
    EXPECT_FALSE(Forms::unload<Form4>());
    settle();
    ASSERT_TRUE(Forms::isLoaded<Form4>());
    EXPECT_EQ(&Forms::get<Form4>(), &form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Forms::get<Form5>().Label1->text(), QStringLiteral("显示窗口"));
    EXPECT_EQ(form.RTB1->toPlainText(), QStringLiteral("Question three"));
}

}  // namespace
}  // namespace qv::test
