#include "form5.h"

#include "form1.h"
#include "form4.h"
#include "form6.h"
#include "login/exam_state.h"
#include "login/time_file.h"
#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "platform/twips.h"
#include "resources/exam_pictures.h"
#include "resources/picture_kit.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace qv {
namespace {

constexpr quint32 kDarkBlue = 0x00C00000;
constexpr int kTranslucent = 100;
constexpr int kOpaque = 255;
const QString kInfoTitle = QStringLiteral("Quorvane_信息提示");

QRect screenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

Form5::Form5() {
    setWindowTitle(QStringLiteral("Quorvane"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    Picture1 = new VbImage(this, pictures::examBarStrip());
    Picture1->move(0, 0);
    const auto label = [this](const QString& caption, int left, int width) {
        auto* l = new VbLabel(this, caption);
        l->setFont(pictures::chineseFont(12));
        l->setForeColor(kDarkBlue);
        l->place(left, 30, width, 240);
        return l;
    };
    Label1 = label(QStringLiteral("隐藏窗口"), 370, 960);
    Label2 = label(QString(), 1860, 2880);
    Label4 = label(QString(), 5180, 720);
    Label5 = label(QStringLiteral("   交卷"), 6020, 840);
    Timer1 = new VbTimer(this);
    Timer1->setInterval(1000);

    connect(Timer1, &VbTimer::Timer, this, &Form5::Timer1_Timer);
    connect(Label1, &VbLabel::Click, this, &Form5::Label1_Click);
    connect(Label5, &VbLabel::Click, this, &Form5::Label5_Click);
    connect(Picture1, &VbLabel::Click, this, &Form5::Picture1_Click);
    connect(Label2, &VbLabel::Click, this, &Form5::Label2_Click);
    connect(Label4, &VbLabel::Click, this, &Form5::Label4_Click);
}

void Form5::Form_Load() {
    setFixedSize(462, 19);
    const QRect area = screenArea();
    move(area.x() + (area.width() - width()) / 2, area.y());
    SetWindowAlpha(this, kTranslucent);
}

bool Form5::CanLayerWindows() {
    // Qt hands the opacity to the window system, which applies it where it can (on X11 when a
    // compositing manager runs) and otherwise keeps the window opaque.
    return true;
}

QWidget* Form5::GetTopVisibleParent(QWidget* window) {
    while (window->parentWidget() != nullptr && window->parentWidget()->isVisible())
        window = window->parentWidget();
    return window;
}

void Form5::SetWindowAlpha(QWidget* window, int alpha) {
    if (!CanLayerWindows()) return;
    QWidget* top = GetTopVisibleParent(window);
    top->setWindowOpacity(alpha / 255.0);
    if (top == this) alpha_ = alpha;
}

void Form5::writeTime(int16_t seconds) {
    try {
        writeTimeFile(ExamState::get().StudentDir, seconds);
    } catch (const FileError& error) {
        // The clock goes on; the student is told once, not at every second.
        if (timeFileFailed_) return;
        timeFileFailed_ = true;
        dialogs().messageBox({QStringLiteral("无法保存剩余考试时间: ") + error.message(),
                              kInfoTitle, MsgButtons::Ok, MsgIcon::Exclamation, 1});
    }
}

void Form5::Timer1_Timer() {
    ExamState& state = ExamState::get();
    const int16_t t =
        state.TimeLeft == INT16_MIN ? INT16_MIN : static_cast<int16_t>(state.TimeLeft - 1);
    state.TimeLeft = t;
    if (t % 5 == 0) SetWindowAlpha(this, kTranslucent);
    writeTime(t);
    Label4->setText(timeText(t));
    if (t == 300) Forms::get<Form6>().show();
    if (t == 0) timeOut();
}

void Form5::timeOut() {
    for (;;) {
        Module1::ListTopWindows(List1);
        bool ideOpen = false;
        for (int i = 0; i < List1.ListCount() && !ideOpen; ++i) {
            if (!titleStartsAsVbIde(List1.List(i))) continue;
            ideOpen = true;
            Form4& main = Forms::get<Form4>();
            main.makeTopmost((screenArea().width() - main.frameGeometry().width()) / 2, 30);
            const std::optional<QString> answer = dialogs().inputBox(
                {QStringLiteral("考试时间结束。请输入延时密码,退出Visual Basic 并进行交卷。"),
                 kInfoTitle, QString()});
            if (answer && *answer == kDelayPassword) {
                ExamState::get().TimeLeft = 60;
                return;
            }
        }
        if (!ideOpen) break;
    }
    handIn();
}

void Form5::handIn() {
    Forms::get<Form1>().show();
    Forms::unload<Form4>();
    // The clock stops with the bar, not only when the bar is finally destroyed.
    Timer1->setEnabled(false);
    Forms::unload(this);
}

void Form5::Label1_Click() {
    SetWindowAlpha(this, kOpaque);
    if (Label1->text() == QStringLiteral("隐藏窗口")) {
        Forms::get<Form4>().hide();
        Label1->setText(QStringLiteral("显示窗口"));
    } else {
        Forms::get<Form4>().show();
        Label1->setText(QStringLiteral("隐藏窗口"));
    }
}

void Form5::Label5_Click() {
    SetWindowAlpha(this, kOpaque);
    const MsgResult answer =
        dialogs().messageBox({QStringLiteral("确认要交卷吗?若要交卷,则考生不能再次进入!"),
                              kInfoTitle, MsgButtons::OkCancel, MsgIcon::Information, 2});
    if (answer != MsgResult::Ok) return;
    // The clock runs while the box is open: a time-out meanwhile has handed in already.
    if (!Forms::isLoaded<Form5>() || &Forms::get<Form5>() != this) return;
    Module1::ListTopWindows(List1);
    for (int i = 0; i < List1.ListCount(); ++i) {
        if (!titleContainsVbIde(List1.List(i))) continue;
        dialogs().messageBox({QStringLiteral("Visual Basic 还没有退出，请先退出再交卷。"),
                              kInfoTitle, MsgButtons::Ok, MsgIcon::None, 1});
        return;
    }
    handIn();
}

void Form5::Form_Click() {
    SetWindowAlpha(this, kOpaque);
}
void Form5::Picture1_Click() {
    SetWindowAlpha(this, kOpaque);
}
void Form5::Label2_Click() {
    SetWindowAlpha(this, kOpaque);
}
void Form5::Label4_Click() {
    SetWindowAlpha(this, kOpaque);
}

void Form5::mouseReleaseEvent(QMouseEvent* event) {
    Form::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) Form_Click();
}

}  // namespace qv
