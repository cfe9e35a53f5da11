#include "login_fixture.h"

#include "examination/form3.h"
#include "examination/form4.h"
#include "examination/form5.h"
#include "login/question_texts.h"
#include "platform/twips.h"

namespace qv::test {
namespace {

const QString kFolder5 = QStringLiteral("C:\\WEXAM\\26010005");

// Counts the times a widget is shown.
class ShowCounter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shows;
        return QObject::eventFilter(watched, event);
    }
    int shows = 0;
};

class LoginDraw : public LoginFixture {
  protected:
    // An earlier examination of set 5: the student's own work and the time left.
    void writeEarlierWork(const QByteArray& timeFile) {
        drive.writeFile(kFolder5 + QStringLiteral("\\sjt1.frm"), "my own form\r\n");
        drive.writeFile(kFolder5 + QStringLiteral("\\WARN\\sjt1.frm"), "backup\r\n");
        if (!timeFile.isEmpty()) drive.writeFile(kFolder5 + QStringLiteral("\\tovo.tim"), timeFile);
    }
    // Confirms set 5, whose folder exists, and gives the proctor's password.
    void secondLogin(const QString& password) {
        confirmTicket(ticketFor(5));
        ASSERT_EQ(login().Command2->text(), QStringLiteral("密码验证"));
        login().TxtKey->setText(password);
        click(login().Command2);
        ASSERT_EQ(login().Command2->text(), QStringLiteral("抽取试题"));
    }
    void expectHandedOver(const QString& noticeTime, const QString& barTime) {
        EXPECT_FALSE(Forms::isLoaded<Form2>());
        ASSERT_TRUE(Forms::isLoaded<Form3>());
        Form3& notice = Forms::get<Form3>();
        EXPECT_TRUE(notice.isVisible());
        EXPECT_EQ(notice.windowModality(), Qt::NonModal);
        EXPECT_EQ(notice.LblID->text(), ticketFor(5));
        EXPECT_EQ(notice.LblName->text(), QStringLiteral("模拟5"));
        EXPECT_EQ(notice.LblTime->text(), noticeTime);
        Form4& main = Forms::get<Form4>();
        EXPECT_FALSE(main.isVisible());
        EXPECT_EQ(main.LblDIR->text(), kFolder5);
        EXPECT_EQ(main.windowTitle(),
                  QStringLiteral("Quorvane_二级Visual Basic考试系统--姓名:模拟5, "
                                 "准考证号:2601999988880005 (单机版)"));
        Form5& bar = Forms::get<Form5>();
        EXPECT_FALSE(bar.isVisible());
        EXPECT_EQ(bar.Label2->text(), QStringLiteral("2601999988880005  模拟5"));
        EXPECT_EQ(bar.Label4->text(), barTime);
        EXPECT_TRUE(state().BankConn && state().BankConn->isOpen());
    }
    void expectStillAtTheDraw() {
        ASSERT_TRUE(Forms::isLoaded<Form2>());
        EXPECT_FALSE(Forms::isLoaded<Form3>());
        EXPECT_EQ(login().Command2->text(), QStringLiteral("抽取试题"));
        EXPECT_TRUE(login().ImgWait->isHidden());
    }
};

TEST_F(LoginDraw, FreshDrawWritesThePaperAndHandsOverToTheNotice) {
    writeSampleBank(6);
    ShowCounter waits;
    login().show();  // a hidden window shows nothing
    login().ImgWait->installEventFilter(&waits);
    drawFresh(5);
    EXPECT_EQ(messages().size(), 1u)
        << ::testing::PrintToString(messages());  // the confirmation only
    EXPECT_EQ(waits.shows, 1);
    for (const char* file : {"sjt1.frm", "sjt1.vbp", "WARN\\sjt1.frm", "WARN\\sjt1.vbp"})
        EXPECT_TRUE(drive.exists(kFolder5 + QChar('\\') + QString::fromLatin1(file))) << file;
    EXPECT_EQ(drive.readFile(kFolder5 + QStringLiteral("\\tovo.tim")), QByteArray(" 5400 \r\n"));
    EXPECT_EQ(state().TimeLeft, 5400);
    EXPECT_EQ(state().StudentDir, kFolder5);
    expectHandedOver(QStringLiteral("90分0秒"), QStringLiteral("90:00"));

    StoredQuestionTexts stored;
    for (int item = 1; item <= 5; ++item) stored[item - 1] = storedQuestion(500 + item);
    const QuestionTexts texts = assembleQuestionTexts(kFolder5, stored, 5);
    EXPECT_EQ(state().QuestionRtf1, texts.rtf1);
    EXPECT_EQ(state().QuestionRtf2, texts.rtf2);
    EXPECT_EQ(state().QuestionRtf3, texts.rtf3);
    EXPECT_TRUE(state().QuestionRtf1.contains(QStringLiteral("C:\\\\WEXAM\\\\26010005")));
    EXPECT_TRUE(state().QuestionRtf2.contains(QStringLiteral("item 504")));
}

TEST_F(LoginDraw, EnterInTheWindowDrawsOnce) {
    writeSampleBank(6);
    confirmTicket(ticketFor(5));
    key(&login(), Qt::Key_Return);
    EXPECT_EQ(messages().size(), 1u);
    expectHandedOver(QStringLiteral("90分0秒"), QStringLiteral("90:00"));
}

TEST_F(LoginDraw, ResumeKeepsEveryFileAndTakesTheTimeLeft) {
    writeSampleBank(6);
    writeEarlierWork(" 3125 \r\n");
    const auto before = snapshot(drive.root());
    secondLogin(QStringLiteral("QZT"));
    click(login().Command2);
    EXPECT_EQ(snapshot(drive.root()), before);
    EXPECT_EQ(state().TimeLeft, 3125);
    expectHandedOver(QStringLiteral("52分5秒"), QStringLiteral("52:05"));
}

TEST_F(LoginDraw, DrawAfreshWipesTheEarlierWorkAndResetsTheTime) {
    writeSampleBank(6);
    writeEarlierWork(" 3125 \r\n");
    drive.writeFile(kFolder5 + QStringLiteral("\\extra\\notes.txt"), "notes");
    QFile::setPermissions(drive.host(kFolder5 + QStringLiteral("\\extra")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    secondLogin(QStringLiteral("Jud"));
    click(login().Command2);
    EXPECT_FALSE(drive.exists(kFolder5 + QStringLiteral("\\extra")));
    EXPECT_NE(drive.readFile(kFolder5 + QStringLiteral("\\sjt1.frm")),
              QByteArray("my own form\r\n"));
    EXPECT_TRUE(drive.exists(kFolder5 + QStringLiteral("\\WARN\\sjt1.vbp")));
    EXPECT_EQ(drive.readFile(kFolder5 + QStringLiteral("\\tovo.tim")), QByteArray(" 5400 \r\n"));
    expectHandedOver(QStringLiteral("90分0秒"), QStringLiteral("90:00"));
}

TEST_F(LoginDraw, ResumeWithoutAUsableTimeFileStaysAtThePasswordStep) {
    for (const QByteArray& timeFile : {QByteArray(), QByteArray("abc\r\n")}) {
        SCOPED_TRACE(timeFile.isEmpty() ? "missing" : "unreadable");
        writeSampleBank(6);
        writeEarlierWork(timeFile);
        const auto before = snapshot(drive.root());
        secondLogin(QStringLiteral("qzt"));
        messages().clear();
        click(login().Command2);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].title, QStringLiteral("Quorvane_登录提示"));
        EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(messages()[0].text.contains(kFolder5 + QStringLiteral("\\tovo.tim")));
        EXPECT_EQ(snapshot(drive.root()), before);
        Form2& form = login();
        EXPECT_FALSE(Forms::isLoaded<Form3>());
        EXPECT_EQ(form.Command2->text(), QStringLiteral("密码验证"));
        EXPECT_FALSE(form.Frame5->isHidden());
        EXPECT_TRUE(form.TxtKey->text().isEmpty());
        EXPECT_TRUE(form.ImgWait->isHidden());
        // The proctor may still choose a fresh draw.
        form.TxtKey->setText(QStringLiteral("jud"));
        click(form.Command2);
        click(form.Command2);
        expectHandedOver(QStringLiteral("90分0秒"), QStringLiteral("90:00"));
        messages().clear();
        Forms::destroyAll();
        ExamState::get().BankConn.reset();
        QDir(drive.host(QStringLiteral("C:\\WEXAM"))).removeRecursively();
    }
}

TEST_F(LoginDraw, ContinuePasswordOfAnEarlierTicketDoesNotResumeAnother) {
    writeSampleBank({4, 5}, 6);
    writeEarlierWork(" 3125 \r\n");
    secondLogin(QStringLiteral("qzt"));
    click(login().Command3);  // 重输考号
    confirmTicket(ticketFor(4));
    ASSERT_EQ(login().Command2->text(), QStringLiteral("抽取试题"));
    click(login().Command2);
    EXPECT_FALSE(Forms::isLoaded<Form2>());
    EXPECT_EQ(state().TimeLeft, 5400);
    EXPECT_EQ(drive.readFile(QStringLiteral("C:\\WEXAM\\26010004\\tovo.tim")),
              QByteArray(" 5400 \r\n"));
}

TEST_F(LoginDraw, ShortTicketDrawsTheSetItWasCheckedFor) {
    writeSampleBank(6);
    confirmTicket(QStringLiteral("A005"));
    EXPECT_EQ(state().SetNo, 5);
    click(login().Command2);
    EXPECT_FALSE(Forms::isLoaded<Form2>());
    EXPECT_TRUE(drive.exists(QStringLiteral("C:\\WEXAM\\A005A005\\sjt1.frm")));
    EXPECT_TRUE(state().QuestionRtf1.contains(QStringLiteral("item 501")));
}

TEST_F(LoginDraw, MissingRecordIsReportedBeforeAnyFileIsTouched) {
    std::vector<BankRecord> records = sampleBank({5}, 6);
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [](const BankRecord& r) { return r.key == 504; }),
                  records.end());
    writeBankRecords(records);
    writeEarlierWork(" 3125 \r\n");
    const auto before = snapshot(drive.root());
    secondLogin(QStringLiteral("jud"));
    messages().clear();
    click(login().Command2);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, QStringLiteral("Quorvane_登录提示"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("504")));
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("第5套试题第4题")));
    EXPECT_EQ(snapshot(drive.root()), before);
    expectStillAtTheDraw();
}

TEST_F(LoginDraw, FailingExamFileLeavesNoPaperToResume) {
    std::vector<BankRecord> records = sampleBank({5}, 6);
    for (BankRecord& record : records) {
        if (record.key == 503)
            record.fields[QStringLiteral("图片文件")] = QStringLiteral("gone.bmp/p.bmp");
    }
    writeBankRecords(records);
    confirmTicket(ticketFor(5));
    messages().clear();
    click(login().Command2);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, QStringLiteral("Quorvane_登录提示"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("第5套试题第3题")));
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("gone.bmp")));
    EXPECT_FALSE(drive.exists(kFolder5 + QStringLiteral("\\tovo.tim")));
    expectStillAtTheDraw();
    EXPECT_FALSE(Forms::isLoaded<Form4>());
}

}  // namespace
}  // namespace qv::test
