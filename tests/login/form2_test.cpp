#include "login_fixture.h"

#include "examination/form3.h"
#include "platform/twips.h"

#include <QDate>
#include <QStyle>

namespace qv::test {
namespace {

const QString kTitle = QStringLiteral("Quorvane_登录提示");

QString identityCard(int set) {
    return QStringLiteral("111234") + QString::number(QDate::currentDate().year() - 20) +
           (set < 10 ? QStringLiteral("1231000") : QStringLiteral("123100")) + QString::number(set);
}

MessageRequest confirmation(const QString& ticket, int set) {
    return {QStringLiteral("您输入的准考证号是:") + ticket + QStringLiteral("\r您的姓名是:模拟") +
                QString::number(set) + QStringLiteral("\r您的身份证号是:") + identityCard(set) +
                QStringLiteral("\r请问是否正确?"),
            kTitle, MsgButtons::YesNo, MsgIcon::None, 1};
}

MessageRequest offered(int count) {
    return {QStringLiteral("系统给出的准考证号是: 2601999988880001──26019999888800%1\n\n"
                           "将分别抽取第1──第%1套试题")
                .arg(count),
            QStringLiteral("考试提示"), MsgButtons::Ok, MsgIcon::None, 1};
}

MessageRequest outOfRange(const QString& ticket) {
    return {QStringLiteral("准考证号: [") + ticket + QStringLiteral("]不存在,退出登录系统吗?"),
            kTitle, MsgButtons::YesNo, MsgIcon::None, 2};
}

const MessageRequest kEmpty{QStringLiteral("准号证号不能为空，请重新登录！"),
                            QStringLiteral("Quorvane"), MsgButtons::Ok, MsgIcon::Information, 1};
const MessageRequest kSecondLogin{QStringLiteral("二次登录,请监考老师输入密码"), kTitle,
                                  MsgButtons::Ok, MsgIcon::Information, 1};
const MessageRequest kWrongPassword{QStringLiteral("密码不正确，请监考老师重输密码"), kTitle,
                                    MsgButtons::Ok, MsgIcon::Information, 1};
const MessageRequest kLeave{QStringLiteral("是否退出登录系统?"), kTitle, MsgButtons::YesNo,
                            MsgIcon::Question, 2};

using LoginWindow = LoginFixture;

TEST_F(LoginWindow, LoadsWithTheControlsInPlace) {
    writeSampleBank(6);
    Form2& form = login();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_EQ(form.size(), QSize(twipsToPixels(9600), twipsToPixels(6820)));
    EXPECT_EQ(form.palette().color(QPalette::Window), vbColor(13605142));
    EXPECT_EQ(form.Frame5->palette().color(QPalette::Window), vbColor(13605142));
    EXPECT_EQ(form.Command2->palette().color(QPalette::Window), vbColor(13605142));
    const struct {
        QWidget* control;
        QRect place;
    } places[] = {
        {form.Label2, twipsRect(2040, 2160, 2040, 435)},
        {form.TxtID, twipsRect(4710, 2190, 2930, 375)},
        {form.Label3, twipsRect(2040, 3210, 2040, 435)},
        {form.Label4, twipsRect(2040, 4260, 2040, 435)},
        {form.Frame5, twipsRect(820, 5040, 3480, 1035)},
        {form.Label1, twipsRect(0, 0, 2970, 180)},
        {form.TxtKey, twipsRect(1700, 480, 1215, 435)},
        {form.Command2, twipsRect(4750, 5650, 1575, 495)},
        {form.Command3, twipsRect(7080, 5650, 1575, 495)},
        {form.Image2, twipsRect(4965, 5595, 1155, 330)},
        {form.Image3, twipsRect(7280, 5595, 1155, 330)},
    };
    for (const auto& row : places) EXPECT_EQ(row.control->geometry(), row.place);
    for (auto [label, left, top] : {std::tuple{form.LblID, 4710, 2220},
                                    {form.LblName, 4710, 3270},
                                    {form.LblSFZ, 4710, 4320},
                                    {form.Label5, 75, 600},
                                    {form.ImgWait, 1360, 5400}}) {
        EXPECT_EQ(label->pos(), QPoint(twipsToPixels(left), twipsToPixels(top)));
    }
    const std::pair<VbLabel*, const char*> captions[] = {
        {form.Label2, "准考证号:"},
        {form.Label3, "考生姓名:"},
        {form.Label4, "身份证号:"},
        {form.Label5, "输入密码:"},
        {form.Command2, "考号验证"},
        {form.Command3, "退出登录"},
        {form.Label1, "重新抽题密码 jud,继续上次密码 qzt"}};
    for (const auto& [label, caption] : captions)
        EXPECT_EQ(label->text(), QString::fromUtf8(caption));
    EXPECT_EQ(form.Label3->toolTip(), QStringLiteral("点击此处可以固定抽题,真正考试无此项"));
    EXPECT_EQ(form.Label4->toolTip(), form.Label3->toolTip());
    EXPECT_EQ(form.Label1->foreColor(), 0x0000FFFFu);

    EXPECT_EQ(form.TxtID->text(), QStringLiteral("26019999888800"));
    EXPECT_EQ(form.TxtID->cursorPosition(), 14);
    EXPECT_EQ(form.TxtID->maxLength(), 16);
    EXPECT_TRUE(form.TxtID->font().bold());
    EXPECT_EQ(form.TxtID->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(form.TxtKey->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form.TxtKey->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                              form.TxtKey),
              '*');
    for (QWidget* hidden : {static_cast<QWidget*>(form.LblID), static_cast<QWidget*>(form.Frame5),
                            static_cast<QWidget*>(form.ImgWait), static_cast<QWidget*>(form.Image2),
                            static_cast<QWidget*>(form.Image3)}) {
        EXPECT_TRUE(hidden->isHidden());
    }
    ASSERT_TRUE(state().BankConn && state().BankConn->isOpen());
    EXPECT_TRUE(messages().empty());
}

TEST_F(LoginWindow, OnlyTheTwoTextBoxesTakeTheFocusTicketFirst) {
    writeSampleBank(6);
    Form2& form = login();
    EXPECT_EQ(form.focusWidget(), form.TxtID);
    EXPECT_EQ(form.Command2->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(form.Command3->focusPolicy(), Qt::NoFocus);
    QList<QWidget*> tabbable;
    for (QWidget* w = form.TxtID->nextInFocusChain(); w != form.TxtID; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus) tabbable.append(w);
    }
    EXPECT_EQ(tabbable, QList<QWidget*>{form.TxtKey});
}

// The rows of the ticket step that stay at "考号验证", each leaving the drive untouched.
TEST_F(LoginWindow, TicketsThatDoNotPassStayAtTicketEntry) {
    const struct {
        const char* what;
        int sets;
        QString ticket;
        std::vector<MsgResult> answers;
        std::vector<MessageRequest> expected;
        int ends;
        bool highlighted;
    } rows[] = {
        {"empty", 6, QString(), {}, {kEmpty, offered(6)}, 0, false},
        {"initial 14 characters read 800",
         6,
         QStringLiteral("26019999888800"),
         {MsgResult::No},
         {outOfRange(QStringLiteral("26019999888800")), offered(6)},
         0,
         true},
        {"00", 6, ticketFor(0), {}, {outOfRange(ticketFor(0)), offered(6)}, 0, true},
        {"set 23 of 22", 22, ticketFor(23), {}, {outOfRange(ticketFor(23)), offered(22)}, 0, true},
        {"out of range, Yes",
         6,
         ticketFor(7),
         {MsgResult::Yes},
         {outOfRange(ticketFor(7))},
         1,
         false},
        {"confirmation No",
         6,
         ticketFor(5),
         {MsgResult::No},
         {confirmation(ticketFor(5), 5)},
         0,
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        writeSampleBank(row.sets);
        const auto before = snapshot(drive.root());
        Form2& form = login();
        form.TxtID->setText(row.ticket);
        for (MsgResult a : row.answers) answer(a);
        click(form.Command2);
        EXPECT_EQ(messages(), row.expected);
        EXPECT_EQ(recording.launcher.endCount, row.ends);
        EXPECT_EQ(snapshot(drive.root()), before);
        if (row.ends == 0) {
            EXPECT_EQ(form.Command2->text(), QStringLiteral("考号验证"));
            EXPECT_EQ(form.Command3->text(), QStringLiteral("退出登录"));
            EXPECT_FALSE(form.TxtID->isHidden());
            EXPECT_EQ(form.focusWidget(), form.TxtID);
            EXPECT_EQ(!form.Image2->isHidden(), row.highlighted);
            EXPECT_TRUE(form.Image3->isHidden());
        }
        EXPECT_EQ(state().SetCount, row.sets);
        messages().clear();
        recording.launcher.endCount = 0;
        Forms::destroyAll();
        ExamState::get().BankConn.reset();
    }
}

TEST_F(LoginWindow, ConfirmationAnsweredNoShowsTheDataAndKeepsTheTicket) {
    writeSampleBank(6);
    Form2& form = login();
    form.TxtID->setText(ticketFor(5));
    answer(MsgResult::No);
    click(form.Command2);
    EXPECT_EQ(form.LblName->text(), QStringLiteral("模拟5"));
    EXPECT_EQ(form.LblSFZ->text(), identityCard(5));
    EXPECT_EQ(state().TicketNo, ticketFor(5));
    EXPECT_EQ(state().SetNo, 5);
    EXPECT_EQ(state().StudentName, QStringLiteral("模拟5"));
    EXPECT_EQ(state().TimeLeft, 5400);
    EXPECT_TRUE(state().StudentDir.isEmpty());
}

TEST_F(LoginWindow, SetTwentyThreeOfTwentyThreePassesAndLeadsToTheDraw) {
    writeSampleBank(23);
    Form2& form = login();
    confirmTicket(ticketFor(23));
    EXPECT_EQ(messages(), std::vector<MessageRequest>{confirmation(ticketFor(23), 23)});
    EXPECT_EQ(state().SetNo, 23);
    EXPECT_EQ(state().StudentDir, QStringLiteral("C:\\WEXAM\\26010023"));
    EXPECT_EQ(form.Command2->text(), QStringLiteral("抽取试题"));
    EXPECT_EQ(form.Command3->text(), QStringLiteral("重输考号"));
    EXPECT_TRUE(form.TxtID->isHidden());
    EXPECT_FALSE(form.LblID->isHidden());
    EXPECT_EQ(form.LblID->text(), ticketFor(23));
    EXPECT_EQ(form.LblSFZ->text(), identityCard(23));
    EXPECT_TRUE(form.Frame5->isHidden());
    // No control can take the focus, so the window has it and Enter reaches Form_KeyPress.
    EXPECT_EQ(form.focusWidget(), &form);
    EXPECT_FALSE(drive.exists(QStringLiteral("C:\\WEXAM")));
}

TEST_F(LoginWindow, ExistingFolderAsksForTheProctorsPassword) {
    writeSampleBank(6);
    drive.writeFile(QStringLiteral("C:\\WEXAM\\26010005\\work.txt"), "mine");
    Form2& form = login();
    confirmTicket(ticketFor(5));
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1], kSecondLogin);
    EXPECT_EQ(form.Command2->text(), QStringLiteral("密码验证"));
    EXPECT_EQ(form.Command3->text(), QStringLiteral("重输考号"));
    EXPECT_FALSE(form.Frame5->isHidden());
    EXPECT_TRUE(form.TxtID->isHidden());
    EXPECT_EQ(form.focusWidget(), form.TxtKey);
}

TEST_F(LoginWindow, PasswordCheckAcceptsEitherPasswordInAnyCase) {
    const struct {
        QString typed;
        bool accepted;
    } rows[] = {{"jud", true},  {"JUD", true},   {"qZt", true}, {"Qzt", true},    {"", false},
                {"abc", false}, {"jud ", false}, {"qz", false}, {"ｊｕｄ", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        writeSampleBank(6);
        drive.writeFile(QStringLiteral("C:\\WEXAM\\26010005\\work.txt"), "mine");
        Form2& form = login();
        confirmTicket(ticketFor(5));
        messages().clear();
        form.Image2->hide();
        form.TxtKey->setText(row.typed);
        click(form.Command2);
        if (row.accepted) {
            EXPECT_TRUE(messages().empty());
            EXPECT_EQ(form.Command2->text(), QStringLiteral("抽取试题"));
            EXPECT_TRUE(form.Frame5->isHidden());
            EXPECT_EQ(form.TxtKey->text(), row.typed);
            EXPECT_EQ(state().StudentDir, QStringLiteral("C:\\WEXAM\\26010005"));
            EXPECT_TRUE(form.Image2->isHidden());
        } else {
            EXPECT_EQ(messages(), std::vector<MessageRequest>{kWrongPassword});
            EXPECT_EQ(form.Command2->text(), QStringLiteral("密码验证"));
            EXPECT_FALSE(form.Frame5->isHidden());
            EXPECT_TRUE(form.TxtKey->text().isEmpty());
            EXPECT_EQ(form.focusWidget(), form.TxtKey);
            EXPECT_FALSE(form.Image2->isHidden());
        }
        EXPECT_TRUE(drive.exists(QStringLiteral("C:\\WEXAM\\26010005\\work.txt")));
        messages().clear();
        Forms::destroyAll();
        ExamState::get().BankConn.reset();
    }
}

TEST_F(LoginWindow, LeaveAsksAndEndsOnlyOnYes) {
    writeSampleBank(6);
    Form2& form = login();
    click(form.Command3);
    EXPECT_EQ(messages(), std::vector<MessageRequest>{kLeave});
    EXPECT_EQ(recording.launcher.endCount, 0);
    EXPECT_EQ(form.Command2->text(), QStringLiteral("考号验证"));
    EXPECT_TRUE(form.Image2->isHidden());
    EXPECT_FALSE(form.Image3->isHidden());
    answer(MsgResult::Yes);
    click(form.Command3);
    EXPECT_EQ(recording.launcher.endCount, 1);
}

TEST_F(LoginWindow, ReenterTicketGoesBackFromThePasswordAndTheDrawStep) {
    for (const bool folderExists : {true, false}) {
        SCOPED_TRACE(folderExists ? "from 密码验证" : "from 抽取试题");
        writeSampleBank(6);
        if (folderExists) drive.writeFile(QStringLiteral("C:\\WEXAM\\26010005\\a.txt"), "a");
        Form2& form = login();
        confirmTicket(ticketFor(5));
        form.TxtKey->setText(QStringLiteral("qzt"));
        if (folderExists) click(form.Command2);
        messages().clear();
        click(form.Command3);
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(form.Command2->text(), QStringLiteral("考号验证"));
        EXPECT_EQ(form.Command3->text(), QStringLiteral("退出登录"));
        EXPECT_FALSE(form.TxtID->isHidden());
        EXPECT_TRUE(form.LblID->isHidden());
        EXPECT_EQ(form.LblID->text(), ticketFor(5));
        EXPECT_TRUE(form.LblName->text().isEmpty());
        EXPECT_TRUE(form.LblSFZ->text().isEmpty());
        EXPECT_TRUE(form.Frame5->isHidden());
        EXPECT_TRUE(form.TxtKey->text().isEmpty());
        EXPECT_EQ(form.focusWidget(), form.TxtID);
        EXPECT_FALSE(form.Image3->isHidden());
        Forms::destroyAll();
        ExamState::get().BankConn.reset();
        QDir(drive.host(QStringLiteral("C:\\WEXAM"))).removeRecursively();
    }
}

TEST_F(LoginWindow, HoverHighlightsOneStepButtonAndTheBackgroundClearsBoth) {
    writeSampleBank(6);
    Form2& form = login();
    hover(form.Command2);
    EXPECT_FALSE(form.Image2->isHidden());
    EXPECT_TRUE(form.Image3->isHidden());
    hover(form.Command3);
    EXPECT_TRUE(form.Image2->isHidden());
    EXPECT_FALSE(form.Image3->isHidden());
    hover(form.Background);
    EXPECT_TRUE(form.Image2->isHidden());
    EXPECT_TRUE(form.Image3->isHidden());
}

TEST_F(LoginWindow, EnterInTheTicketBoxRunsExactlyOneStep) {
    writeSampleBank(6);
    Form2& form = login();
    key(form.TxtID, Qt::Key_5, QStringLiteral("0"));
    key(form.TxtID, Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(form.TxtID->text(), ticketFor(5));
    EXPECT_TRUE(messages().empty());
    answer(MsgResult::Yes);
    key(form.TxtID, Qt::Key_Return);
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(form.Command2->text(), QStringLiteral("抽取试题"));
    EXPECT_FALSE(Forms::isLoaded<Form3>());
    EXPECT_FALSE(drive.exists(QStringLiteral("C:\\WEXAM")));
}

TEST_F(LoginWindow, EnterInThePasswordBoxRunsTheCheckOnce) {
    writeSampleBank(6);
    drive.writeFile(QStringLiteral("C:\\WEXAM\\26010005\\a.txt"), "a");
    Form2& form = login();
    confirmTicket(ticketFor(5));
    messages().clear();
    form.TxtKey->setText(QStringLiteral("bad"));
    key(form.TxtKey, Qt::Key_Enter);
    EXPECT_EQ(messages(), std::vector<MessageRequest>{kWrongPassword});
    form.TxtKey->setText(QStringLiteral("jud"));
    key(form.TxtKey, Qt::Key_Return);
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(form.Command2->text(), QStringLiteral("抽取试题"));
    EXPECT_TRUE(drive.exists(QStringLiteral("C:\\WEXAM\\26010005\\a.txt")));
}

TEST_F(LoginWindow, TicketNamingAFolderWithOtherCharactersIsRefusedUntouched) {
    writeSampleBank(6);
    for (const QString& ticket :
         {QStringLiteral("26019999888\\005"), QStringLiteral("..\\.999988880005"),
          QStringLiteral("2601999988888 05"), QStringLiteral("考试01999988880005")}) {
        SCOPED_TRACE(ticket.toStdString());
        const auto before = snapshot(drive.root());
        Form2& form = login();
        form.TxtID->setMaxLength(32);
        form.TxtID->setText(ticket);
        click(form.Command2);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0],
                  (MessageRequest{QStringLiteral("准考证号: [") + ticket +
                                      QStringLiteral("]无效: 前四位和后四位只能是字母或数字,"
                                                     "请重新输入!"),
                                  kTitle, MsgButtons::Ok, MsgIcon::Exclamation, 1}));
        EXPECT_EQ(form.Command2->text(), QStringLiteral("考号验证"));
        EXPECT_EQ(snapshot(drive.root()), before);
        messages().clear();
        Forms::destroyAll();
    }
}

TEST_F(LoginWindow, MissingBankIsReportedAndTriedAgainAtTheNextCheck) {
    Form2& form = login();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].title, kTitle);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[0].text.contains(kDataDir + QStringLiteral("\\vb9708.mdb")));
    EXPECT_FALSE(state().BankConn);

    form.TxtID->setText(ticketFor(5));
    click(form.Command2);
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(form.Command2->text(), QStringLiteral("考号验证"));

    writeSampleBank(6);
    answer(MsgResult::No);
    click(form.Command2);
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[2], confirmation(ticketFor(5), 5));
}

TEST_F(LoginWindow, UnreadableBankIsReported) {
    drive.writeFile(kDataDir + QStringLiteral("\\vb9708.mdb"), QByteArray(4096, 'x'));
    login();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("无法读取")));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
}

}  // namespace
}  // namespace qv::test
