#include "form3.h"

#include "form4.h"
#include "form5.h"
#include "login/exam_state.h"
#include "platform/twips.h"
#include "resources/exam_pictures.h"
#include "resources/picture_kit.h"

namespace qv {
namespace {

constexpr quint32 kRed = 0x000000FF;
constexpr quint32 kYellow = 0x0000FFFF;
constexpr quint32 kWhite = 0x00FFFFFF;

}  // namespace

Form3::Form3() {
    setWindowTitle(QStringLiteral("Quorvane"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    Background = new VbImage(this, pictures::noticeBackground());
    Background->move(0, 0);
    connect(Background, &VbLabel::MouseMove, this, &Form3::Form_MouseMove);

    const auto label = [this](const QString& caption, int left, int top, int pixelSize,
                              quint32 color, const QString& family = QStringLiteral("SimSun")) {
        auto* l = new VbLabel(this, caption);
        l->setFont(pictures::chineseFont(pixelSize, false, family));
        l->setForeColor(color);
        l->place(left, top);
        return l;
    };
    const QString hei = QStringLiteral("SimHei");
    Label3 = label(QStringLiteral("Quorvane 二级Visual Basic上机考试"), 0, 480, 28, kWhite, hei);
    Label4 = label(QStringLiteral("考试须知"), 0, 1200, 24, kWhite, hei);
    Label5 = label(QStringLiteral("准考证号:"), 1200, 1920, 16, kWhite);
    LblID = label(QString(), 2700, 1920, 16, kWhite);
    Label6 = label(QStringLiteral("姓名:"), 6000, 1920, 16, kWhite);
    LblName = label(QString(), 6900, 1920, 16, kWhite);
    Label7 = label(QStringLiteral("考试剩余时间:"), 1200, 2460, 16, kRed);
    LblTime = label(QString(), 3300, 2460, 16, kRed);
    const QString gap(24, QChar(' '));
    Label2 = label(QStringLiteral("1.基本操作") + gap + QStringLiteral("(本题30分)"), 1200, 3060,
                   16, kWhite);
    Label13 = label(QStringLiteral("2.简单应用") + gap + QStringLiteral("(本题40分)"), 1200, 3480,
                    16, kWhite);
    Label12 = label(QStringLiteral("3.综合应用") + gap + QStringLiteral("(本题30分)"), 1200, 3900,
                    16, kWhite);
    Label8 = label(QStringLiteral("注意:"), 1200, 4620, 16, kRed);
    Label9 = label(QStringLiteral("考生必须在自己的考生文件夹下进行考试，否则将影响考试成绩！"),
                   1200, 5040, 16, kYellow);
    // The login fills these later: room for a 16-character ticket, a name and a time.
    LblID->resize(twipsToPixels(3000), Label5->height());
    LblName->resize(twipsToPixels(2400), Label5->height());
    LblTime->resize(twipsToPixels(2400), Label5->height());

    Image2 = new VbImage(this, pictures::noticeStartButton(false));
    Image1 = new VbImage(this, pictures::noticeStartButton(true));
    Command1 = new VbLabel(this);
    Command1->setGeometry(twipsRect(0, 6000, 4215, 615));

    connect(Command1, &VbLabel::MouseMove, this, &Form3::Command1_MouseMove);
    connect(Image2, &VbLabel::MouseMove, this, &Form3::Image2_MouseMove);
    connect(Label8, &VbLabel::MouseMove, this, &Form3::Label8_MouseMove);
    connect(Label9, &VbLabel::MouseMove, this, &Form3::Label9_MouseMove);
    connect(Label12, &VbLabel::MouseMove, this, &Form3::Label12_MouseMove);
    connect(Command1, &VbLabel::Click, this, &Form3::Command1_Click);
    setFocusPolicy(Qt::StrongFocus);
}

void Form3::Form_Load() {
    setHeight(6820);
    setWidth(9600);
    QPalette p = palette();
    p.setColor(QPalette::Window, vbColor(ExamState::get().FormBackColor));
    setPalette(p);
    setAutoFillBackground(true);

    for (QWidget* control : std::initializer_list<QWidget*>{Command1, Label3, Label4}) {
        const int left = (Width() - pixelsToTwips(control->width())) / 2;
        control->move(twipsToPixels(left), control->y());
    }
    Image1->move(twipsToPixels(3140), twipsToPixels(6070));
    Image2->move(Image1->pos());
    showNormalLook();
    // The transparent label lies over the pictures and takes their clicks.
    Command1->raise();
}

void Form3::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (!shownBefore_) centreOnScreen();
    shownBefore_ = true;
}

void Form3::Form_KeyPress(int keyAscii) {
    if (keyAscii == 13) Command1_Click();
}

void Form3::showNormalLook() {
    Image2->show();
    Image1->hide();
}

void Form3::showHighlightedLook() {
    Image2->hide();
    Image1->show();
}

void Form3::Form_MouseMove() {
    showNormalLook();
}
void Form3::Label8_MouseMove() {
    showNormalLook();
}
void Form3::Label9_MouseMove() {
    showNormalLook();
}
void Form3::Label12_MouseMove() {
    showNormalLook();
}
void Form3::Command1_MouseMove() {
    showHighlightedLook();
}
void Form3::Image2_MouseMove() {
    showHighlightedLook();
}

void Form3::Command1_Click() {
    Forms::unload(this);
    Forms::get<Form4>().show();
    Form5& bar = Forms::get<Form5>();
    bar.show();
    bar.Timer1->setEnabled(true);
    Forms::get<Form4>().RTB1->setTextRTF(ExamState::get().QuestionRtf1);
}

}  // namespace qv
