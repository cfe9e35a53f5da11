#include "exam_fixture.h"
#include "examination/form3.h"
#include "examination/form4.h"
#include "examination/form5.h"

#include <QTest>

namespace qv::test {
namespace {

class NoticeWindow : public ExamFixture {
  protected:
    Form3& notice() {
        Form3& form = Forms::get<Form3>();
        form.LblID->setText(ExamState::get().TicketNo);
        return form;
    }
    // The bar as the login fills it before the start.
    void fillBar() {
        Forms::get<Form5>().Label4->setText(timeText(ExamState::get().TimeLeft));
        Forms::get<Form4>().RTB1->setPlainText(QStringLiteral("left over"));
    }
    void expectStarted() {
        EXPECT_FALSE(Forms::isLoaded<Form3>());
        Form4& main = Forms::get<Form4>();
        Form5& bar = Forms::get<Form5>();
        EXPECT_TRUE(main.isVisible());
        EXPECT_TRUE(bar.isVisible());
        EXPECT_TRUE(bar.Timer1->Enabled());
        EXPECT_EQ(bar.Timer1->Interval(), 1000);
        EXPECT_TRUE(main.RTB1->toPlainText().startsWith(QStringLiteral("Question one")));
        // Nothing is written at the start; the first second goes only with the first tick.
        EXPECT_EQ(bar.Label4->text(), QStringLiteral("90:00"));
        EXPECT_EQ(ExamState::get().TimeLeft, 5400);
        bar.Timer1->fire();
        EXPECT_EQ(bar.Label4->text(), QStringLiteral("89:59"));
        EXPECT_EQ(timeFileBytes(), QByteArray(" 5399 \r\n"));
    }
};

TEST_F(NoticeWindow, LaysOutTheNoticeWithItsTexts) {
    Form3& form = notice();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(640, 455));
    const QString gap(24, QChar(' '));
    EXPECT_EQ(form.Label2->text(),
              QStringLiteral("1.基本操作") + gap + QStringLiteral("(本题30分)"));
    EXPECT_EQ(form.Label13->text(),
              QStringLiteral("2.简单应用") + gap + QStringLiteral("(本题40分)"));
    EXPECT_EQ(form.Label12->text(),
              QStringLiteral("3.综合应用") + gap + QStringLiteral("(本题30分)"));
    EXPECT_EQ(form.Label9->foreColor(), 0x0000FFFFu);
    EXPECT_EQ(form.Label7->foreColor(), 0x000000FFu);
    EXPECT_EQ(form.LblTime->foreColor(), 0x000000FFu);
    EXPECT_EQ(form.Image1->size(), QSize(220, 24));
    EXPECT_EQ(form.Image2->size(), QSize(220, 24));
    EXPECT_EQ(form.Image1->pos(), QPoint(209, 405));
    // Centred on the window's width, one after the other.
    for (QWidget* centred :
         std::initializer_list<QWidget*>{form.Command1, form.Label3, form.Label4})
        EXPECT_LE(std::abs(centred->x() * 2 + centred->width() - form.width()), 2);
    EXPECT_TRUE(form.Image2->isVisibleTo(&form));
    EXPECT_FALSE(form.Image1->isVisibleTo(&form));
}

TEST_F(NoticeWindow, HoverFollowsTheControlsThatHaveAMoveHandler) {
    Form3& form = notice();
    struct Step {
        const char* what;
        VbLabel* over;
        bool highlightedAfter;
    };
    const std::vector<Step> steps = {
        {"start label", form.Command1, true},     {"Label2 keeps it", form.Label2, true},
        {"Label13 keeps it", form.Label13, true}, {"Image1 keeps it", form.Image1, true},
        {"Label8", form.Label8, false},           {"normal picture", form.Image2, true},
        {"Label9", form.Label9, false},           {"start label", form.Command1, true},
        {"Label12", form.Label12, false},         {"LblID keeps it", form.LblID, false},
        {"start label", form.Command1, true},     {"background", form.Background, false},
    };
    for (const Step& step : steps) {
        emit step.over->MouseMove();
        EXPECT_EQ(form.Image1->isVisibleTo(&form), step.highlightedAfter) << step.what;
        EXPECT_NE(form.Image1->isVisibleTo(&form), form.Image2->isVisibleTo(&form)) << step.what;
    }
}

TEST_F(NoticeWindow, ClickOnTheStartButtonStartsTheExamination) {
    fillBar();
    Form3& form = notice();
    form.show();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    settle();
    expectStarted();
}

TEST_F(NoticeWindow, EnterStartsTheExaminationAndOtherKeysDoNothing) {
    fillBar();
    Form3& form = notice();
    form.show();
    QTest::keyClick(&form, Qt::Key_A);
    QTest::keyClick(&form, Qt::Key_Space);
    EXPECT_TRUE(Forms::isLoaded<Form3>());
    EXPECT_FALSE(Forms::get<Form5>().Timer1->Enabled());
    QTest::keyClick(&form, Qt::Key_Return);
    settle();
    expectStarted();
}

}  // namespace
}  // namespace qv::test
