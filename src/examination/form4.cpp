#include "form4.h"

#include "form5.h"
#include "info/info_actions.h"
#include "login/exam_state.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/twips.h"
#include "resources/picture_kit.h"

#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {
namespace {

constexpr int kOuterWidth = 9915;
constexpr int kMinHeight = 2040;
constexpr int kMaxHeight = 7425;
constexpr quint32 kBlue = 0x00FF0000;

}  // namespace

Form4::Form4() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    MenuBar = new QMenuBar(this);
    layout->setMenuBar(MenuBar);
    Client = new QWidget(this);
    layout->addWidget(Client, 1);
    buildMenu();

    ToggleSwitch2 = new FrameBox(Client, 5);
    ToggleSwitch2->place(120, 0, 3460, 735);
    ToggleSwitch3 = new FrameBox(ToggleSwitch2, 5);
    ToggleSwitch3->place(80, 80, 3310, 580);
    const QFont folderFont = pictures::chineseFont(14, true);
    Label3 = new VbLabel(ToggleSwitch3, QStringLiteral("考生文件夹"));
    Label3->place(1080, 105, 1125, 210);
    LblDIR = new VbLabel(ToggleSwitch3);
    LblDIR->place(615, 315, 2040, 210);
    for (VbLabel* label : {Label3, LblDIR}) {
        label->setFont(folderFont);
        label->setForeColor(kBlue);
    }

    ToggleSwitch1 = new FrameBox(Client, 5);
    ToggleSwitch1->place(3720, 0, 6015, 735);
    const auto button = [this](const QString& caption, int left) {
        auto* b = new QPushButton(caption, ToggleSwitch1);
        b->setGeometry(twipsRect(left, 120, 1575, 480));
        return b;
    };
    Command1 = button(QStringLiteral("基本操作题"), 360);
    Command2 = button(QStringLiteral("简单应用题"), 2220);
    Command3 = button(QStringLiteral("综合应用题"), 4080);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);

    ToggleSwitch4 = new FrameBox(Client, 4);
    ToggleSwitch4->place(120, 840, 9615, 5850);
    Label1 = new VbLabel(ToggleSwitch4);
    Label1->place(120, 120, 9255, 5595);
    Label1->setBackColor(0x00FFFFFF);
    RTB1 = new RichTextBox(ToggleSwitch4);
    RTB1->place(240, 120, 9255, 5595);

    setWidth(kOuterWidth);
    setHeight(kMaxHeight);
}

void Form4::buildMenu() {
    MTest = MenuBar->addMenu(QStringLiteral("答题(&T)"));
    MVf = MTest->addAction(QStringLiteral("启动Visual Basic"));
    connect(MVf, &QAction::triggered, this, &Form4::MVf_Click);

    MHelp = MenuBar->addMenu(QStringLiteral("帮助(&H)"));
    MHHHH = MHelp->addAction(QStringLiteral("帮助主题(&H)"));
    // Shown like the others, and does nothing.
    Mresult = MHelp->addAction(QStringLiteral("参考答案(&R)"));
    MHelp->addSeparator();
    menuKsdg = MHelp->addAction(QStringLiteral("考试大纲(&E)"));
    menuKsYt = MHelp->addAction(QStringLiteral("考试样题(&M)"));
    menuLnZt = MHelp->addAction(QStringLiteral("历年笔试真题(&T)"));
    menuSjKs = MHelp->addAction(QStringLiteral("历年上机真题(&R)"));
    MHelp->addSeparator();
    MHAbout = MHelp->addAction(QStringLiteral("关于...(&A)"));
    connect(MHHHH, &QAction::triggered, this, &Form4::MHHHH_Click);
    connect(menuKsdg, &QAction::triggered, this, &Form4::menuKsdg_Click);
    connect(menuKsYt, &QAction::triggered, this, &Form4::menuKsYt_Click);
    connect(menuLnZt, &QAction::triggered, this, &Form4::menuLnZt_Click);
    connect(menuSjKs, &QAction::triggered, this, &Form4::menuSjKs_Click);
    // Queued, so the menu has let go of the keyboard before the modal box takes it.
    connect(MHAbout, &QAction::triggered, this, &Form4::MHAbout_Click, Qt::QueuedConnection);
}

void Form4::Form_Load() {
    LblDIR->setText(ExamState::get().StudentDir);
}

void Form4::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (!shownBefore_) centreOnScreen();
    shownBefore_ = true;
    // The outer size counts the window manager's frame, which is known only once shown.
    QTimer::singleShot(0, this, &Form4::Form_Resize);
}

void Form4::moveEvent(QMoveEvent* event) {
    Form::moveEvent(event);
    // A frame that arrives later moves the window without resizing it.
    Form_Resize();
}

void Form4::Form_Resize() {
    // The sets below resize the window again; those nested calls have nothing left to do.
    if (resizing_ || ToggleSwitch4 == nullptr) return;
    resizing_ = true;
    if (Width() != kOuterWidth) setWidth(kOuterWidth);
    if (Height() < kMinHeight) setHeight(kMinHeight);
    if (Height() > kMaxHeight) setHeight(kMaxHeight);
    // The window system may apply a new size later; the bounded height is what it will be.
    const int h = std::clamp(Height(), kMinHeight, kMaxHeight);
    ToggleSwitch4->setHeight(h + 5850 - kMaxHeight);
    Label1->resize(Label1->width(), twipsToPixels(h + 5595 - kMaxHeight));
    RTB1->setHeightTwips(h + 5595 - kMaxHeight);
    ToggleSwitch4->setBorderStyle(4);
    resizing_ = false;
}

void Form4::Form_Unload(int& cancel) {
    if (Forms::isLoaded<Form5>()) Forms::get<Form5>().Label1->setText(QStringLiteral("显示窗口"));
    cancel = 1;
    hide();
}

void Form4::showQuestion(const QString& rtf) {
    RTB1->setTextRTF(rtf);
    RTB1->setSelStart(0);
}

void Form4::Command1_Click() {
    showQuestion(ExamState::get().QuestionRtf1);
}
void Form4::Command2_Click() {
    showQuestion(ExamState::get().QuestionRtf2);
}
void Form4::Command3_Click() {
    showQuestion(ExamState::get().QuestionRtf3);
}

void Form4::MVf_Click() {
    // The IDE is given the student folder as its working folder; it opens no project itself.
    if (launcher().startWindowsProgram(kVb6Exe, {}, ExamState::get().StudentDir)) return;
    dialogs().messageBox({QStringLiteral("你没有安装Visual Basic,或者没有安装在默认位置."),
                          QStringLiteral("考试提示"), MsgButtons::Ok, MsgIcon::Information, 1});
}

void Form4::MHHHH_Click() {
    openHelpFile();
}
void Form4::menuKsdg_Click() {
    openSitePage(QStringLiteral("/tovo/ksdg.asp"));
}
void Form4::menuKsYt_Click() {
    openSitePage(QStringLiteral("/tovo/bsyt.asp"));
}
void Form4::menuLnZt_Click() {
    openSitePage(QStringLiteral("/tovo/bszt.asp"));
}
void Form4::menuSjKs_Click() {
    openSitePage(QStringLiteral("/tovo/soft.asp"));
}
void Form4::MHAbout_Click() {
    showAboutBox();
}

void Form4::makeTopmost(int x, int y) {
    const bool shown = isVisible();
    const QSize keep = size();
    // Changing the flags of a shown window hides it; it comes back only if it was shown.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    resize(keep);
    move(x, y);
    if (shown) show();
}

}  // namespace qv
