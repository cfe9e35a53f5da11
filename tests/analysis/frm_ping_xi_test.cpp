#include "exam_paper_fixture.h"

#include "platform/twips.h"

#include <QCloseEvent>
#include <QTest>

namespace qv::test {
namespace {

using AnswersWindowTest = ExamPaperTest;

int leftTwips(const QWidget* w) {
    return pixelsToTwips(w->x());
}
int topTwips(const QWidget* w) {
    return pixelsToTwips(w->y());
}

QString firstStatementLine(int set, int item) {
    QFile file(QStringLiteral(QV_SOURCE_DIR "/data/bank/set%1/item%2/题面.txt")
                   .arg(set, 2, 10, QChar('0'))
                   .arg(item));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readLine()).trimmed().left(20);
}

TEST_F(AnswersWindowTest, LoadLaysTheTableOutCentredInItsFrame) {
    FrmPingXi& w = Forms::get<FrmPingXi>();
    EXPECT_EQ(w.windowTitle(),
              QStringLiteral("Quorvane答案及评析——考生文件夹 C:\\WEXAM\\26010001"));
    EXPECT_EQ(w.LblHeng[0]->text(), QStringLiteral("┏━━━┯━━━┯━━━┯━━━━━┓"));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(w.LblHeng[i]->text(), QStringLiteral("┠───┼───┼───┼─────┨"));
    EXPECT_EQ(w.LblHeng[7]->text(), QStringLiteral("┗━━━┷━━━┷━━━┷━━━━━┛"));
    for (const VbLabel* rule : w.LblShu)
        EXPECT_EQ(rule->text(), QStringLiteral("┃　　　│　　　│　　　│　　　　　┃"));
    EXPECT_EQ(w.Label4->text(), QStringLiteral("题号    分值  考生得分  试题类型  "));
    EXPECT_EQ(w.Label3->text(), QStringLiteral("试题一览表"));

    const int l0 = (w.ToggleSwitch1->Width() - pixelsToTwips(w.LblHeng[0]->width())) / 2;
    EXPECT_NEAR(leftTwips(w.LblHeng[0]), l0, 15);
    EXPECT_EQ(topTwips(w.LblHeng[0]), 360);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(w.LblHeng[i]->x(), w.LblHeng[0]->x()) << i;
        EXPECT_EQ(topTwips(w.LblHeng[i]), 360 + 360 * i) << i;
        EXPECT_EQ(w.LblShu[i - 1]->x(), w.LblHeng[0]->x()) << i;
        EXPECT_EQ(topTwips(w.LblShu[i - 1]), 360 + 360 * i - 180) << i;
    }
    EXPECT_NEAR(leftTwips(w.Label4), l0 + 270, 15);
    EXPECT_EQ(w.Label4->y(), w.LblShu[0]->y());
    EXPECT_EQ(w.LblNo[0]->y(), w.LblShu[6]->y());
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(w.LblNo[i]->x(), w.Label4->x()) << i;
        if (i > 0) {
            EXPECT_EQ(w.LblNo[i]->y(), w.LblShu[i]->y()) << i;
        }
        EXPECT_EQ(w.LblNo[i]->foreColor(), i == 0 ? 0x008000u : 0x0000FFu) << i;
    }
    const QStringList captions{"获得帮助", "返回考试", "生成答案", "重新登录", "退出系统"};
    const QPushButton* buttons[] = {w.Command3, w.Command4, w.Command1, w.Command2, w.Command5};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buttons[i]->text(), captions[i]);
        EXPECT_EQ(buttons[i]->geometry(), twipsRect(3360 + 1680 * i, 7800, 1575, 375));
    }
}

TEST_F(AnswersWindowTest, OnlyItemsWithMessagesGetABlock) {
    struct Case {
        const char* name;
        std::array<QString, 6> notes;
        QString text;
    };
    const QString two = QStringLiteral("\r\n     sjt2.frm 中没有找到 Caption");
    const QString five = QStringLiteral("\r\n     没有找到输出文件 out.txt\r\n     第二条");
    const Case cases[] = {
        {"no messages", {}, QString()},
        {"items 2 and 5",
         {QString(), QString(), two, QString(), QString(), five},
         QStringLiteral("\r\n   第一(2)题 信息:\r\n") + two + QStringLiteral("\r\n") +
             QStringLiteral("\r\n   第 三  题 信息:\r\n") + five + QStringLiteral("\r\n")},
    };
    for (const Case& c : cases) {
        ExamState::get().GradeNotes = c.notes;
        const FrmPingXi& w = Forms::get<FrmPingXi>();
        EXPECT_EQ(w.TextErrText(), c.text) << c.name;
        Forms::unload<FrmPingXi>();
    }
}

TEST_F(AnswersWindowTest, HoverTurnsOneRowBlueAndTheTotalRowStaysBlue) {
    FrmPingXi& w = Forms::get<FrmPingXi>();
    w.show();
    QTest::mouseMove(w.LblNo[3]);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(w.LblNo[i]->foreColor(), i == 3 ? 0xFF0000u : 0x0000FFu) << i;
    w.LblNo_MouseMove(0);
    w.LblNo_MouseMove(2);
    EXPECT_EQ(w.LblNo[0]->foreColor(), 0xFF0000u);
    EXPECT_EQ(w.LblNo[2]->foreColor(), 0xFF0000u);
    EXPECT_EQ(w.LblNo[3]->foreColor(), 0x0000FFu);
}

TEST_F(AnswersWindowTest, ShowsItemOneThenTheClickedRowAndTheTotalRowChangesNothing) {
    FrmPingXi& w = Forms::get<FrmPingXi>();
    EXPECT_TRUE(w.RtbTi->toPlainText().contains(firstStatementLine(1, 1)));
    w.show();
    QTest::mouseClick(w.LblNo[4], Qt::LeftButton);
    const QString item4 = w.RtbTi->toPlainText();
    EXPECT_TRUE(item4.contains(firstStatementLine(1, 4)));
    QTest::mouseClick(w.LblNo[0], Qt::LeftButton);
    EXPECT_EQ(w.RtbTi->toPlainText(), item4);
    EXPECT_TRUE(dialogs_.dialogs.messages.empty());
}

TEST_F(AnswersWindowTest, HasNoCloseButtonAndRefusesToClose) {
    FrmPingXi& w = Forms::get<FrmPingXi>();
    w.show();
    EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(Forms::isLoaded<FrmPingXi>());
    EXPECT_TRUE(w.isVisible());
}

}  // namespace
}  // namespace qv::test
