#include "frm_ping_xi.h"

#include "examfiles/answer_writer.h"
#include "examination/form4.h"
#include "examination/form5.h"
#include "grading/score_report.h"
#include "info/info_actions.h"
#include "info/site_server.h"
#include "login/exam_state.h"
#include "login/question_bank.h"
#include "platform/cell_label.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/twips.h"
#include "resources/picture_kit.h"

#include <QCloseEvent>
#include <QScrollBar>

namespace qv {
namespace {

constexpr int kRuleStep = 180;

// The table is laid out on half-width cells (CellLabel), so any CJK face lines it up.
QFont tableFont() {
    QFont font = pictures::chineseFont(12, false, QStringLiteral("WenQuanYi Micro Hei Mono"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

VbLabel* tableLabel(QWidget* parent, const QString& text) {
    auto* label = new CellLabel(parent, text);
    label->setFont(tableFont());
    label->setAutoSize(true);
    return label;
}

QPushButton* button(QWidget* parent, const QString& caption, int left) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(twipsRect(left, 7800, 1575, 375));
    return b;
}

int topOf(const QWidget* w) {
    return pixelsToTwips(w->y());
}

void closeBank() {
    auto& bank = ExamState::get().BankConn;
    if (bank) bank->close();
}

}  // namespace

FrmPingXi::FrmPingXi() {
    setWindowTitle(QStringLiteral("Quorvane答案及评析"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(11760), twipsToPixels(8265));

    ToggleSwitch1 = new FrameBox(this, 5);
    ToggleSwitch1->place(120, 120, 4095, 3255);
    Label3 = new VbLabel(ToggleSwitch1, QStringLiteral("试题一览表"));
    Label3->setFont(pictures::chineseFont(12, true));
    Label3->setAutoSize(true);
    Label3->place(1320, 120);
    LblHeng[0] = tableLabel(ToggleSwitch1, kRuleTop);
    for (int i = 1; i <= 6; ++i) LblHeng[i] = tableLabel(ToggleSwitch1, kRuleMiddle);
    LblHeng[7] = tableLabel(ToggleSwitch1, kRuleBottom);
    for (auto& rule : LblShu) rule = tableLabel(ToggleSwitch1, kRowRule);
    Label4 = tableLabel(ToggleSwitch1, kTableHeader);
    for (int i = 0; i <= 5; ++i) {
        LblNo[i] = tableLabel(ToggleSwitch1, QStringLiteral("1     100   100        程序设计题 "));
        LblNo[i]->setForeColor(i == 0 ? kRowGreen : kRowRed);
        connect(LblNo[i], &VbLabel::Click, this, [this, i] { LblNo_Click(i); });
        connect(LblNo[i], &VbLabel::MouseMove, this, [this, i] { LblNo_MouseMove(i); });
    }

    ToggleSwitch3 = new FrameBox(this, 5);
    ToggleSwitch3->place(4320, 120, 7335, 3255);
    TextErr = new QPlainTextEdit(ToggleSwitch3);
    TextErr->setGeometry(twipsRect(120, 120, 7095, 3015));
    TextErr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextErr->setFont(pictures::chineseFont(12));

    ToggleSwitch2 = new FrameBox(this, 5);
    ToggleSwitch2->place(120, 3480, 11535, 4215);
    RtbTi = new RichTextBox(ToggleSwitch2);
    RtbTi->place(120, 120, 11295, 3975);

    Command3 = button(this, QStringLiteral("获得帮助"), 3360);
    Command4 = button(this, QStringLiteral("返回考试"), 5040);
    Command1 = button(this, QStringLiteral("生成答案"), 6720);
    Command2 = button(this, QStringLiteral("重新登录"), 8400);
    Command5 = button(this, QStringLiteral("退出系统"), 10080);
    connect(Command1, &QPushButton::clicked, this, &FrmPingXi::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmPingXi::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmPingXi::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FrmPingXi::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &FrmPingXi::Command5_Click);
}

void FrmPingXi::Form_Load() {
    ExamState& state = ExamState::get();
    setWindowTitle(QStringLiteral("Quorvane答案及评析——考生文件夹 ") + state.StudentDir);
    layOutTable();
    QString notes = gradeNotesText(state.GradeNotes);
    TextErr->setPlainText(notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    WId handle = winId();
    Disabled(handle);
    showStatement(1);
    centreOnScreen();
}

void FrmPingXi::layOutTable() {
    const int left = (ToggleSwitch1->Width() - pixelsToTwips(LblHeng[0]->width())) / 2;
    LblHeng[0]->place(left, 360);
    for (int i = 1; i <= 7; ++i) {
        LblHeng[i]->place(left, 360 + 360 * i);
        LblShu[i - 1]->place(left, 360 + 360 * i - kRuleStep);
    }
    Label4->place(left + 270, topOf(LblShu[0]));
    LblNo[0]->place(left + 270, topOf(LblShu[6]));
    for (int i = 1; i <= 5; ++i) LblNo[i]->place(left + 270, topOf(LblShu[i]));
    // The row texts lie over the rules' blanks, so they must be on top.
    Label4->raise();
    for (VbLabel* row : LblNo) row->raise();
}

void FrmPingXi::Disabled(WId& hWnd) {
    QWidget* window = QWidget::find(hWnd);
    if (window == nullptr) return;
    const bool shown = window->isVisible();
    window->setWindowFlags(window->windowFlags() & ~Qt::WindowCloseButtonHint &
                           ~Qt::WindowSystemMenuHint);
    if (shown) window->show();
    hWnd = window->winId();
}

void FrmPingXi::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void FrmPingXi::showStatement(int item) {
    ExamState& state = ExamState::get();
    if (!state.BankConn) return;
    try {
        RtbTi->setTextRTF(queryQuestionTextByParts(*state.BankConn, state.SetNo, item));
    } catch (const RecordMissingError&) {
        // No such item (the total row asks for item 0): the view keeps what it shows.
    } catch (const BankError& error) {
        dialogs().messageBox(
            {QStringLiteral("无法读取第%1小题的题目：").arg(item) + error.message(),
             applicationTitle(), MsgButtons::Ok, MsgIcon::Exclamation});
    }
}

void FrmPingXi::LblNo_Click(int Index) {
    showStatement(Index);
}

void FrmPingXi::LblNo_MouseMove(int Index) {
    for (int i = 1; i <= 5; ++i) LblNo[i]->setForeColor(kRowRed);
    LblNo[Index]->setForeColor(kRowBlue);
}

QString FrmPingXi::TextErrText() const {
    QString text = TextErr->toPlainText();
    text.replace(QChar('\n'), QStringLiteral("\r\n"));
    return text;
}

void FrmPingXi::CreateFile(int16_t Item) {
    writeAnswerFiles(ExamFilesContext::fromExamState(ExamState::get()), Item);
}

void FrmPingXi::Command1_Click() {
    for (int16_t item = 1; item <= 5; ++item) {
        QString reason;
        try {
            CreateFile(item);
            continue;
        } catch (const ExamFileError& error) {
            reason = error.message();
        } catch (const BankError& error) {
            reason = error.message();
        }
        // Reporting success after a failed item would hide the failure, so say which one.
        QString text =
            QStringLiteral("第%1小题的答案没有生成：").arg(item) + QStringLiteral("\r\n") + reason;
        if (item > 1) {
            text += QStringLiteral("\r\n第1至第%1小题的答案已写入考生文件夹。").arg(item - 1);
        }
        dialogs().messageBox({text, applicationTitle(), MsgButtons::Ok, MsgIcon::Exclamation});
        return;
    }
    dialogs().messageBox({QStringLiteral("答案已生成至考生文件夹中！此答案谨供参考。") +
                              QStringLiteral("\r\n“返回考试”后重做可重新评分。"),
                          applicationTitle(), MsgButtons::Ok});
}

void FrmPingXi::Command2_Click() {
    closeBank();
    Forms::unload(this);
    launcher().restartSelf();
    launcher().endProgram();
}

void FrmPingXi::Command3_Click() {
    openSitePage(kSiteStartPage);
}

void FrmPingXi::Command4_Click() {
    ExamState& state = ExamState::get();
    Forms::unload(this);
    Form4& main = Forms::get<Form4>();
    main.show();
    Form5& bar = Forms::get<Form5>();
    bar.show();
    bar.Timer1->setEnabled(true);
    main.RTB1->setTextRTF(state.QuestionRtf1);
    bar.Label2->setText(state.TicketNo + QStringLiteral("  ") + state.StudentName);
    bar.Label4->setText(timeText(state.TimeLeft));
}

void FrmPingXi::Command5_Click() {
    closeBank();
    Forms::unload(this);
    launcher().endProgram();
}

}  // namespace qv
