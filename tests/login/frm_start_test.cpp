#include "login/frm_start.h"
#include "login/exam_state.h"
#include "login/form2.h"
#include "platform/launcher.h"
#include "platform/scripted_dialogs.h"
#include "platform/system_directory.h"

#include "support/temp_drive.h"

#include <QTest>

#include <gtest/gtest.h>

namespace qv {
namespace {

class FrmStartTest : public ::testing::Test {
  protected:
    void SetUp() override { ExamState::reset(); }
    void TearDown() override {
        Forms::destroyAll();
        overrideSystemDirectory(QString());
    }
    // Which of ImgKaiYes, ImgKaiNo, ImgTuiYes, ImgTuiNo are visible, as a pattern like "0101".
    static std::string looks(const FrmStart& f) {
        std::string s;
        for (const VbImage* image : {f.ImgKaiYes, f.ImgKaiNo, f.ImgTuiYes, f.ImgTuiNo}) {
            s += image->isVisibleTo(&f) ? '1' : '0';
        }
        return s;
    }

    test::TempDrive drive;
    ScopedScriptedDialogs dialogs;
    ScopedRecordingLauncher launcher;
};

TEST_F(FrmStartTest, LoadLaysOutTheWindow) {
    FrmStart& f = Forms::get<FrmStart>();
    EXPECT_EQ(f.Width(), 9600);
    EXPECT_EQ(f.Height(), 6825);  // 455 pixels: the nearest to 6820 twips
    EXPECT_EQ(ExamState::get().FormBackColor, 13605142u);
    EXPECT_EQ(f.Label3->text(), QStringLiteral("版本 7.3.0"));
    EXPECT_EQ(f.ImgTuiYes->pos(), QPoint(130, 383));
    EXPECT_EQ(f.ImgTuiNo->pos(), f.ImgTuiYes->pos());
    EXPECT_EQ(f.ImgKaiYes->pos(), QPoint(397, 383));
    EXPECT_EQ(f.ImgKaiNo->pos(), f.ImgKaiYes->pos());
    EXPECT_EQ(looks(f), "0101");
    EXPECT_NEAR(f.Label3->x() * 2 + f.Label3->width(), f.width(), 2);  // centred
    EXPECT_NEAR(f.Label9->x() * 2 + f.Label9->width(), f.width(), 2);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Quorvane"));
}

TEST_F(FrmStartTest, HoverTable) {
    FrmStart& f = Forms::get<FrmStart>();
    f.show();
    const struct {
        VbLabel* over;  // nullptr: the background
        const char* expected;
    } steps[] = {{f.ImgKaiNo, "1001"}, {f.ImgTuiNo, "0110"}, {nullptr, "0101"},
                 {f.ImgTuiNo, "0110"}, {f.ImgKaiNo, "1001"}, {f.Background, "0101"}};
    for (const auto& step : steps) {
        QWidget* target = step.over != nullptr ? static_cast<QWidget*>(step.over) : &f;
        if (step.over == nullptr) {
            f.Form_MouseMove();
        } else {
            QTest::mouseMove(target, QPoint(5, 5));
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        }
        EXPECT_EQ(looks(f), step.expected);
    }
}

TEST_F(FrmStartTest, EnterOpensTheLoginWindowAndOtherKeysDoNothing) {
    FrmStart& f = Forms::get<FrmStart>();
    f.show();
    QTest::keyClick(&f, Qt::Key_A);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(Forms::isLoaded<FrmStart>());
    EXPECT_FALSE(Forms::isLoaded<Form2>());
    QTest::keyClick(&f, Qt::Key_Return);
    EXPECT_FALSE(Forms::isLoaded<FrmStart>());
    ASSERT_TRUE(Forms::isLoaded<Form2>());
    EXPECT_TRUE(Forms::get<Form2>().isVisible());
}

TEST_F(FrmStartTest, DataFolderFromTheSystemDirectory) {
    const struct {
        const char* system;
        const char* data;
    } cases[] = {{"C:\\WINDOWS\\system32", "C:\\WINDOWS\\system32\\cwmx"},
                 {"", "C:\\windows\\system32\\cwmx"}};
    for (const auto& c : cases) {
        overrideSystemDirectory(QString::fromUtf8(c.system));
        Forms::get<FrmStart>().UserLod();
        EXPECT_EQ(ExamState::get().DataDir, QString::fromUtf8(c.data));
        Forms::destroyAll();
    }
}

TEST_F(FrmStartTest, ExitConfirmation) {
    FrmStart& f = Forms::get<FrmStart>();
    f.show();
    f.ImgTuiNo_MouseMove();
    dialogs.dialogs.answer(MsgResult::No);
    f.ImgTuiYes_Click();
    ASSERT_EQ(dialogs.dialogs.messages.size(), 1u);
    const MessageRequest expected{QStringLiteral("是否退出登录系统?"),
                                  QStringLiteral("Quorvane_登录提示"), MsgButtons::YesNo,
                                  MsgIcon::Question, 2};
    EXPECT_EQ(dialogs.dialogs.messages[0], expected);
    EXPECT_EQ(launcher.launcher.endCount, 0);
    EXPECT_EQ(looks(f), "0110");  // No leaves the highlighted exit image
    EXPECT_TRUE(f.isVisible());

    dialogs.dialogs.answer(MsgResult::Yes);
    f.Label1_Click();
    EXPECT_EQ(dialogs.dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.dialogs.messages[1], expected);
    EXPECT_EQ(launcher.launcher.endCount, 1);
}

TEST_F(FrmStartTest, ClickingTheExitButtonAreaAsksToLeave) {
    FrmStart& f = Forms::get<FrmStart>();
    f.show();
    dialogs.dialogs.answer(MsgResult::No);
    QTest::mouseClick(f.Label1, Qt::LeftButton);
    EXPECT_EQ(dialogs.dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace qv
