#include "form2.h"

#include "exam_state.h"
#include "login_failures.h"
#include "login_texts.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/text_rules.h"
#include "platform/twips.h"
#include "question_bank.h"
#include "resources/login_pictures.h"
#include "resources/picture_kit.h"
#include "student_folder.h"
#include "ticket.h"

#include <QDate>

namespace qv {
namespace {

// Command2's caption is the state of the login.
const QString kCheckTicket = QStringLiteral("考号验证");
const QString kCheckPassword = QStringLiteral("密码验证");
const QString kDrawPaper = QStringLiteral("抽取试题");
const QString kLeave = QStringLiteral("退出登录");
const QString kReenterTicket = QStringLiteral("重输考号");

const QString kFixedDrawTip = QStringLiteral("点击此处可以固定抽题,真正考试无此项");

constexpr quint32 kWhite = 0x00FFFFFF;
constexpr quint32 kYellow = 0x0000FFFF;
constexpr quint32 kBlue = 0x00FF0000;

VbLabel* captionLabel(QWidget* parent, const QString& caption, int left, int top) {
    auto* label = new VbLabel(parent, caption);
    label->setFont(pictures::chineseFont(18, true));
    label->setForeColor(kWhite);
    label->place(left, top, 2040, 435);
    return label;
}

VbLabel* valueLabel(QWidget* parent, int left, int top) {
    auto* label = new VbLabel(parent);
    label->setFont(pictures::chineseFont(18, true));
    label->setForeColor(kYellow);
    label->move(twipsToPixels(left), twipsToPixels(top));
    label->setAutoSize(true);
    return label;
}

// A label that acts as a button: its caption lies over the background (and over its
// highlight), and it never takes the focus.
VbLabel* stepButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new VbLabel(parent, caption);
    button->setFont(pictures::chineseFont(16, true));
    button->setForeColor(kWhite);
    button->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    button->setContentsMargins(0, 2, 0, 0);
    button->place(left, 5650, 1575, 495);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void setCaption(VbLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

Form2::Form2() {
    setWindowTitle(QStringLiteral("Quorvane"));
    buildControls();
}

void Form2::buildControls() {
    Background = new VbImage(this, pictures::loginBackground());
    Background->move(0, 0);
    // The background forwards pointer moves to the window, as a form picture would.
    connect(Background, &VbLabel::MouseMove, this, &Form2::Form_MouseMove);

    Label2 = captionLabel(this, QStringLiteral("准考证号:"), 2040, 2160);
    TxtID = new VbTextBox(this);
    TxtID->place(4710, 2190, 2930, 375);
    TxtID->setMaxLength(16);
    TxtID->setFont(pictures::chineseFont(18, true));
    QPalette idColours = TxtID->palette();
    idColours.setColor(QPalette::Text, vbColor(kBlue));
    TxtID->setPalette(idColours);
    LblID = valueLabel(this, 4710, 2220);
    LblID->hide();

    Label3 = captionLabel(this, QStringLiteral("考生姓名:"), 2040, 3210);
    Label3->setToolTip(kFixedDrawTip);
    LblName = valueLabel(this, 4710, 3270);
    Label4 = captionLabel(this, QStringLiteral("身份证号:"), 2040, 4260);
    Label4->setToolTip(kFixedDrawTip);
    LblSFZ = valueLabel(this, 4710, 4320);

    Frame5 = new VbLabel(this);
    Frame5->place(820, 5040, 3480, 1035);
    Frame5->hide();
    Label1 = new VbLabel(Frame5, QStringLiteral("重新抽题密码 jud,继续上次密码 qzt"));
    Label1->setFont(pictures::chineseFont(12));
    Label1->setForeColor(kYellow);
    Label1->place(0, 0, 2970, 180);
    Label5 = new VbLabel(Frame5, QStringLiteral("输入密码:"));
    Label5->setFont(pictures::chineseFont(16, true));
    Label5->setForeColor(kWhite);
    Label5->place(75, 600);
    TxtKey = new VbTextBox(Frame5);
    TxtKey->place(1700, 480, 1215, 435);
    TxtKey->setFont(pictures::chineseFont(16, true));
    TxtKey->setEchoMode(QLineEdit::Password);
    TxtKey->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    Image2 = new VbImage(this, pictures::loginHighlight());
    Image2->move(twipsToPixels(4965), twipsToPixels(5595));
    Image3 = new VbImage(this, pictures::loginHighlight());
    Image3->move(twipsToPixels(7280), twipsToPixels(5595));
    Image2->hide();
    Image3->hide();
    Command2 = stepButton(this, kCheckTicket, 4750);
    Command3 = stepButton(this, kLeave, 7080);
    ImgWait = new VbImage(this, pictures::loginWait());
    ImgWait->hide();

    connect(Command2, &VbLabel::Click, this, &Form2::Command2_Click);
    connect(Command3, &VbLabel::Click, this, &Form2::Command3_Click);
    connect(Command2, &VbLabel::MouseMove, this, &Form2::Command2_MouseMove);
    connect(Command3, &VbLabel::MouseMove, this, &Form2::Command3_MouseMove);
    connect(TxtID, &VbTextBox::KeyPress, this, &Form2::TxtID_KeyPress);
    connect(TxtKey, &VbTextBox::KeyPress, this, &Form2::TxtKey_KeyPress);

    // Only the two text boxes take the focus, the ticket box first; the window itself takes
    // it when neither is shown, so that Enter still reaches Form_KeyPress.
    setFocusPolicy(Qt::ClickFocus);
    setTabOrder(TxtID, TxtKey);
}

void Form2::Form_Load() {
    ExamState& state = ExamState::get();
    setHeight(6820);
    setWidth(9600);
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(Command2),
                            static_cast<QWidget*>(Command3)}) {
        QPalette p = widget->palette();
        p.setColor(QPalette::Window, vbColor(state.FormBackColor));
        widget->setPalette(p);
    }
    setAutoFillBackground(true);
    Frame5->setBackColor(state.FormBackColor);

    TxtID->setText(kTicketPrefix);
    TxtID->setCursorPosition(static_cast<int>(TxtID->text().size()));
    TxtID->setFocus();

    ensureBank();

    ImgWait->move(twipsToPixels(1360), twipsToPixels(5400));
    ImgWait->hide();
}

// Opens the bank once; a bank that could not be opened is tried again at the next ticket
// check, so the proctor can put the file right without restarting.
bool Form2::ensureBank() {
    ExamState& state = ExamState::get();
    if (state.BankConn && state.BankConn->isOpen()) return true;
    try {
        state.BankConn = openBankInDataDir(state.DataDir);
        return true;
    } catch (const BankError&) {
        state.BankConn.reset();
        dialogs().messageBox(login_messages::failure(
            describeBankOpenFailure(state.DataDir, std::current_exception())));
        return false;
    }
}

void Form2::Form_KeyPress(int keyAscii) {
    if (keyAscii == 13) Command2_Click();
}

void Form2::TxtID_KeyPress(int keyAscii) {
    if (keyAscii == 13) Command2_Click();
}

void Form2::TxtKey_KeyPress(int keyAscii) {
    if (keyAscii == 13) Command2_Click();
}

void Form2::Form_MouseMove() {
    Image2->hide();
    Image3->hide();
}

void Form2::Command2_MouseMove() {
    Image2->show();
    Image3->hide();
}

void Form2::Command3_MouseMove() {
    Image2->hide();
    Image3->show();
}

void Form2::showStepHighlight() {
    Image2->show();
    Image3->hide();
}

void Form2::Command2_Click() {
    Frame5->hide();
    const QString caption = Command2->text();
    if (caption == kCheckTicket) {
        ticketCheck();
    } else if (caption == kCheckPassword) {
        passwordCheck();
    } else {
        draw();
    }
}

void Form2::ticketCheck() {
    ExamState& state = ExamState::get();
    if (!ensureBank()) return;
    try {
        state.SetCount = querySetCount(*state.BankConn);
    } catch (const BankError&) {
        dialogs().messageBox(
            login_messages::failure(describeLoginFailure(std::current_exception())));
        return;
    }
    const QString ticket = TxtID->text();
    const TicketCheck check = checkTicket(ticket, state.SetCount);
    switch (check.outcome) {
        case TicketCheck::Outcome::Empty:
            dialogs().messageBox(login_messages::emptyTicket());
            dialogs().messageBox(login_messages::offeredTickets(state.SetCount));
            return;
        case TicketCheck::Outcome::OutOfRange:
            if (dialogs().messageBox(login_messages::ticketOutOfRange(ticket)) == MsgResult::Yes) {
                launcher().endProgram();
                return;
            }
            dialogs().messageBox(login_messages::offeredTickets(state.SetCount));
            break;
        case TicketCheck::Outcome::BadFolder:
            dialogs().messageBox(login_messages::badFolderTicket(ticket));
            TxtID->setFocus();
            break;
        case TicketCheck::Outcome::Passes: {
            state.SetNo = check.setNo;
            state.TicketNo = ticket;
            state.StudentName = studentNameFor(state.SetNo);
            state.TimeLeft = 5400;
            const QString identityCard =
                identityCardNumber(QDate::currentDate().year(), state.SetNo);
            const MsgResult answer = dialogs().messageBox(
                login_messages::confirmData(state.TicketNo, state.StudentName, identityCard));
            setCaption(LblName, state.StudentName);
            setCaption(LblSFZ, identityCard);
            if (answer == MsgResult::Yes) {
                afterConfirmation();
            } else {
                TxtID->setFocus();
            }
            break;
        }
    }
    showStepHighlight();
}

void Form2::showTicketLabel() {
    TxtID->hide();
    setCaption(LblID, TxtID->text());
    LblID->show();
}

void Form2::showPasswordPanel() {
    Frame5->show();
    TxtKey->setFocus();
}

void Form2::afterConfirmation() {
    ExamState& state = ExamState::get();
    state.StudentDir = studentDirFor(state.TicketNo);
    resumeAccepted_ = false;
    if (!studentFolderExists(state.StudentDir)) {
        Command2->setText(kDrawPaper);
        Command3->setText(kReenterTicket);
        showTicketLabel();
        setFocus();
        return;
    }
    dialogs().messageBox(login_messages::secondLogin());
    Command2->setText(kCheckPassword);
    Command3->setText(kReenterTicket);
    showTicketLabel();
    showPasswordPanel();
}

void Form2::passwordCheck() {
    const QString password = lowerText(TxtKey->text());
    if (password == QStringLiteral("jud") || password == QStringLiteral("qzt")) {
        Command2->setText(kDrawPaper);
        ExamState::get().StudentDir = studentDirFor(ExamState::get().TicketNo);
        resumeAccepted_ = password == QStringLiteral("qzt");
        setFocus();
        return;
    }
    dialogs().messageBox(login_messages::wrongPassword());
    showPasswordPanel();
    TxtKey->clear();
    showStepHighlight();
}

void Form2::Command3_Click() {
    Frame5->hide();
    if (Command3->text() == kLeave) {
        if (dialogs().messageBox(login_messages::leaveLogin()) == MsgResult::Yes) {
            launcher().endProgram();
            return;
        }
    } else {
        backToTicketEntry();
    }
    Image2->hide();
    Image3->show();
}

void Form2::backToTicketEntry() {
    TxtID->show();
    setCaption(LblID, TxtID->text());
    LblID->hide();
    TxtID->setFocus();
    LblName->clear();
    LblSFZ->clear();
    Command2->setText(kCheckTicket);
    Command3->setText(kLeave);
    // A password accepted for one ticket must not carry over to the next.
    TxtKey->clear();
    resumeAccepted_ = false;
}

}  // namespace qv
