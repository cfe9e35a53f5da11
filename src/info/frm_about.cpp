#include "frm_about.h"

#include "info_actions.h"
#include "site_server.h"
#include "sys_info.h"

#include "platform/dialogs.h"
#include "platform/twips.h"
#include "resources/info_pictures.h"
#include "resources/picture_kit.h"

#include <QMouseEvent>

namespace qv {
namespace {

constexpr quint32 kAboutBackColor = 0x00C8D0D4;  // red 212, green 208, blue 200

void paintBack(QWidget* widget) {
    QPalette p = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(role, vbColor(kAboutBackColor));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

VbTextBox* contactBox(QWidget* parent, const QString& text, int top) {
    auto* box = new VbTextBox(parent);
    box->setText(text);
    box->setReadOnly(true);
    box->setFrame(false);
    box->place(1800, top, 2880, 285);
    return box;
}

VbLabel* contactLabel(QWidget* parent, const QString& text, int top) {
    auto* label = new VbLabel(parent, text);
    label->place(1800, top, 2880, 255);
    return label;
}

}  // namespace

QString aboutVersionText() {
    return QStringLiteral("版本 ") + QString::number(QV_VERSION_MAJOR) + QChar('.') +
           QString::number(QV_VERSION_MINOR) + QChar('.') + QString::number(QV_VERSION_PATCH);
}

frmAbout::frmAbout() {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(6315), twipsToPixels(4215));

    picIcon = new VbImage(this, pictures::programIcon());
    picIcon->place(240, 240, 540, 540);
    picIcon->setAlignment(Qt::AlignCenter);
    lblTitle = new VbLabel(this);
    lblTitle->setFont(pictures::chineseFont(20, true));
    lblTitle->place(1050, 240, 5040, 480);
    lblVersion = new VbLabel(this);
    lblVersion->place(1050, 780, 5040, 225);
    lblDisclaimer = new VbLabel(this);
    lblDisclaimer->place(255, 3720, 3900, 285);

    Label2 = new VbLabel(this, QStringLiteral("技术支持"));
    Label2->setFont(pictures::chineseFont(14, true));
    Label2->place(1050, 1260, 1200, 255);
    // The start page of the site shipped with the program; a click opens it.
    Text3 = contactBox(this, QStringLiteral("http://127.0.0.1:38708/tovo/"), 1620);
    Text3->setCursor(Qt::PointingHandCursor);
    Text3->installEventFilter(this);
    Text2 = contactBox(this, QStringLiteral("电子邮件：support@quorvane.example"), 1980);
    Label3 = contactLabel(this, QStringLiteral("即时消息：Quorvane 校内答疑频道 #vb-level2"), 2340);
    Label1 = contactLabel(this, QStringLiteral("开发：Quorvane 开发组"), 2700);
    Image1 = new VbImage(this, pictures::aboutPicture());
    Image1->move(twipsToPixels(4800), twipsToPixels(1320));

    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setGeometry(twipsRect(4800, 2820, 1260, 375));
    cmdOK->setDefault(true);
    setDefaultButton(cmdOK);
    cmdSysInfo = new QPushButton(QStringLiteral("系统信息"), this);
    cmdSysInfo->setGeometry(twipsRect(4800, 3300, 1260, 375));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load() {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{this, picIcon, Text3, Text2, cmdOK, cmdSysInfo})
        paintBack(widget);
    setWindowTitle(QStringLiteral("关于 ") + kProgramTitle);
    lblVersion->setText(aboutVersionText());
    lblTitle->setText(kProgramTitle);
    // The box opens with OK focused, not the first contact box.
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click() {
    Forms::unload(this);
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::Text3_Click() {
    openSitePage(kSiteStartPage);
}

void frmAbout::StartSysInfo() {
    if (startSystemInformationTool()) return;
    dialogs().messageBox({QStringLiteral("此时系统信息不可用"), kProgramTitle, MsgButtons::Ok});
}

bool frmAbout::GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                           QString& KeyVal) {
    return getKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text3 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Text3_Click();
    }
    return Form::eventFilter(watched, event);
}

void showAboutBox() {
    Forms::get<frmAbout>().showModal();
}

}  // namespace qv
