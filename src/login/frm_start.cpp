#include "frm_start.h"

#include "exam_state.h"
#include "form2.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/system_directory.h"
#include "platform/twips.h"
#include "resources/picture_kit.h"
#include "resources/start_pictures.h"

namespace qv {

QString versionLine() {
    return QStringLiteral("版本 ") + QString::number(QV_VERSION_MAJOR) + QChar('.') +
           QString::number(QV_VERSION_MINOR) + QChar('.') + QString::number(QV_VERSION_PATCH);
}

FrmStart::FrmStart() {
    setWindowTitle(QStringLiteral("Quorvane"));
    Background = new VbImage(this, pictures::startBackground());
    Background->move(0, 0);
    // The background forwards pointer moves to the window, as a form picture would.
    connect(Background, &VbLabel::MouseMove, this, &FrmStart::Form_MouseMove);
    ImgTuiNo = new VbImage(this, pictures::startExitButton(false));
    ImgTuiYes = new VbImage(this, pictures::startExitButton(true));
    ImgKaiNo = new VbImage(this, pictures::startEnterButton(false));
    ImgKaiYes = new VbImage(this, pictures::startEnterButton(true));
    Label1 = new VbLabel(this);
    Label1->setGeometry(twipsRect(1920, 5760, 1575, 495));
    Label9 = new VbLabel(this, QStringLiteral("国家计算机应用能力考试中心  监制"));
    Label9->setFont(pictures::chineseFont(16, true));
    Label9->setForeColor(0x00FFFFFF);
    Label9->adjustSize();
    Label9->move(0, twipsToPixels(4350));
    Label3 = new VbLabel(this);
    Label3->setFont(pictures::chineseFont(14));
    Label3->setForeColor(0x0080FFFF);
    Label3->move(0, twipsToPixels(4800));

    connect(ImgKaiNo, &VbLabel::MouseMove, this, &FrmStart::ImgKaiNo_MouseMove);
    connect(ImgTuiNo, &VbLabel::MouseMove, this, &FrmStart::ImgTuiNo_MouseMove);
    connect(ImgKaiYes, &VbLabel::Click, this, &FrmStart::ImgKaiYes_Click);
    connect(ImgTuiYes, &VbLabel::Click, this, &FrmStart::ImgTuiYes_Click);
    connect(Label1, &VbLabel::Click, this, &FrmStart::Label1_Click);
    setFocusPolicy(Qt::StrongFocus);
}

void FrmStart::Form_Load() {
    setHeight(6820);
    setWidth(9600);
    ExamState::get().FormBackColor = kFormBackColor;
    QPalette p = palette();
    p.setColor(QPalette::Window, vbColor(kFormBackColor));
    setPalette(p);
    setAutoFillBackground(true);

    Label3->setText(versionLine());
    Label3->adjustSize();

    ImgTuiYes->move(twipsToPixels(1950), twipsToPixels(5750));
    ImgTuiNo->move(ImgTuiYes->pos());
    ImgKaiYes->move(twipsToPixels(5950), ImgTuiYes->y());
    ImgKaiNo->move(ImgKaiYes->pos());

    ImgKaiYes->hide();
    ImgKaiNo->show();
    ImgTuiYes->hide();
    ImgTuiNo->show();
    // The transparent label lies over the exit images and takes their clicks.
    Label1->raise();

    Label3->move(twipsToPixels((Width() - pixelsToTwips(Label3->width())) / 2), Label3->y());
    Label9->move(twipsToPixels((Width() - pixelsToTwips(Label9->width())) / 2), Label9->y());
}

void FrmStart::Form_KeyPress(int keyAscii) {
    if (keyAscii == 13) UserLod();
}

void FrmStart::Form_MouseMove() {
    ImgKaiYes->hide();
    ImgKaiNo->show();
    ImgTuiYes->hide();
    ImgTuiNo->show();
}

void FrmStart::ImgKaiNo_MouseMove() {
    ImgKaiYes->show();
    ImgKaiNo->hide();
    ImgTuiYes->hide();
    ImgTuiNo->show();
}

void FrmStart::ImgTuiNo_MouseMove() {
    ImgKaiYes->hide();
    ImgKaiNo->show();
    ImgTuiYes->show();
    ImgTuiNo->hide();
}

void FrmStart::ImgKaiYes_Click() {
    UserLod();
}

void FrmStart::ImgTuiYes_Click() {
    confirmExit();
}

void FrmStart::Label1_Click() {
    confirmExit();
}

void FrmStart::confirmExit() {
    const MsgResult answer = dialogs().messageBox({QStringLiteral("是否退出登录系统?"),
                                                   QStringLiteral("Quorvane_登录提示"),
                                                   MsgButtons::YesNo, MsgIcon::Question, 2});
    if (answer == MsgResult::Yes) launcher().endProgram();
}

void FrmStart::UserLod() {
    // The system directory arrives in a 255-character buffer filled with spaces.
    QByteArray buffer(255, ' ');
    systemDirectoryInto(buffer);
    QString directory = fromAnsi(buffer);
    while (directory.endsWith(QChar(' '))) directory.chop(1);
    while (directory.endsWith(QChar('\0'))) directory.chop(1);
    ExamState::get().DataDir = directory + QStringLiteral("\\cwmx");
    Forms::unload(this);
    Forms::get<Form2>().show();
}

}  // namespace qv
