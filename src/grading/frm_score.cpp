#include "frm_score.h"

#include "analysis/frm_ping_xi.h"
#include "examination/score_hook.h"
#include "grading/score_report.h"
#include "login/exam_state.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/twips.h"
#include "resources/picture_kit.h"

namespace qv {

FrmScore::FrmScore() {
    setWindowTitle(QStringLiteral("Form7"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(twipsToPixels(8595), twipsToPixels(5085));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    Label1 = new VbLabel(this, QStringLiteral("系统正在处理数据，请等待"));
    Label1->setFont(pictures::chineseFont(32));
    Label1->setForeColor(0xFFFFFF);
    Label1->setAutoSize(true);
    Label1->hide();
    Label2 = new VbLabel(this, QStringLiteral("正在处理程序设计题……"));
    Label2->setFont(pictures::chineseFont(16));
    Label2->setForeColor(0xFFFFFF);
    Label2->setAutoSize(true);
    Label2->hide();
    Timer1 = new VbTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &VbTimer::Timer, this, &FrmScore::Timer1_Timer);
    connect(Label1, &VbLabel::Click, this, &FrmScore::Label1_Click);
}

FrmScore::~FrmScore() = default;

void FrmScore::Form_Load() {
    try {
        grader_ = std::make_unique<Grader>(contextFromExamState(ExamState::get()));
        grader_->resetMaxima();
    } catch (const std::logic_error&) {
        grader_.reset();  // no bank open: the tick says so instead of grading
    }
    centreOnScreen();
    Timer1->setEnabled(true);
}

void FrmScore::PingF(int16_t Item) {
    grader_->PingF(Item);
}
void FrmScore::PingFrm(int16_t Item) {
    grader_->PingFrm(Item);
}
void FrmScore::PingOutSingle(int16_t Item) {
    grader_->PingOutSingle(Item);
}
void FrmScore::PingOutMulti(int16_t Item) {
    grader_->PingOutMulti(Item);
}

void FrmScore::Timer1_Timer() {
    // One tick runs the whole sequence; unloading below ends the timer with the window.
    Timer1->setEnabled(false);
    const int w = pixelsToTwips(width());
    const int h = pixelsToTwips(height());
    Label1->show();
    Label1->move(twipsToPixels((w - pixelsToTwips(Label1->width())) / 2),
                 twipsToPixels((h - pixelsToTwips(Label1->height())) / 2));
    Label2->show();
    Label2->move(twipsToPixels((w - pixelsToTwips(Label2->width())) / 2),
                 twipsToPixels((h - pixelsToTwips(Label2->height())) * 4 / 5));
    if (grader_ == nullptr) {
        dialogs().messageBox({QStringLiteral("题库没有打开，无法评分。"), applicationTitle(),
                              MsgButtons::Ok, MsgIcon::Critical});
        Forms::unload(this);
        return;
    }
    for (int16_t item = 1; item <= 5; ++item) PingF(item);

    // The answers window loads here, after grading, so it reads the finished messages.
    std::array<int16_t, 6> scores = grader_->ItemScore;
    FrmPingXi& answers = Forms::get<FrmPingXi>();
    const auto rows = reportRows(scores, ExamState::get().SetNo);
    for (int item = 1; item <= 5; ++item) answers.LblNo[item]->setText(rows[item]);
    answers.LblNo[0]->setText(rows[0]);
    for (VbLabel* row : answers.LblNo) row->adjustSize();
    grader_->ItemRecord.close();

    Forms::unload(this);
    answers.showModal();
}

void FrmScore::Label1_Click() {
    launcher().endProgram();
}

void installScoreWindow() {
    setScoreWindowOpener([] { Forms::get<FrmScore>().showModal(); });
}

}  // namespace qv
