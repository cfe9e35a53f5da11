#include "form1.h"

#include "platform/dialogs.h"
#include "platform/twips.h"
#include "resources/picture_kit.h"
#include "score_hook.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace qv {
namespace {

// Stands in for the score window while none is wired: a modal window that says where grading
// would start.
class ScorePlaceholder : public Form {
  public:
    ScorePlaceholder() {
        setWindowTitle(QStringLiteral("Quorvane"));
        auto* layout = new QVBoxLayout(this);
        auto* text = new VbLabel(this, QStringLiteral("评分窗口尚未安装。"));
        text->setFont(pictures::chineseFont(14));
        layout->addWidget(text);
        auto* close = new QPushButton(QStringLiteral("确定"), this);
        layout->addWidget(close);
        connect(close, &QPushButton::clicked, this, [this] { Forms::unload(this); });
    }
};

}  // namespace

Form1::Form1() {
    setWindowTitle(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(2);
    Shape1->setGeometry(twipsRect(60, 60, 5535, 1605));
    const QFont font = pictures::chineseFont(14);
    Label1 = new VbLabel(this, QStringLiteral("交卷正常,请输入结束密码:"));
    Label1->setFont(font);
    Label1->place(360, 300, 3000, 300);
    Label2 = new VbLabel(this, QStringLiteral("结束密码是: ") + kEndPassword +
                                   QStringLiteral("  真正考试须有监考老师输入密码"));
    Label2->setFont(font);
    Label2->place(360, 1140, 5100, 300);
    Text1 = new VbTextBox(this);
    Text1->setFont(font);
    Text1->place(3360, 255, 1095, 390);
    Command1 = new QPushButton(QStringLiteral("结束"), this);
    Command1->setGeometry(twipsRect(4575, 240, 855, 420));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // Enter in the entry acts as the button.
    connect(Text1, &VbTextBox::KeyPress, this, [this](int key) {
        if (key == 13) Command1_Click();
    });
}

void Form1::Form_Load() {
    setFixedSize(twipsToPixels(5655), twipsToPixels(1725));
    Text1->setText(kEndPassword);
}

void Form1::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (!shownBefore_) centreOnScreen();
    shownBefore_ = true;
    activateWindow();
    Text1->setFocus();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void Form1::Command1_Click() {
    if (Text1->text().toLower() == kEndPassword) {
        Forms::unload(this);
        if (!openScoreWindow()) Forms::get<ScorePlaceholder>().showModal();
        return;
    }
    dialogs().messageBox({QStringLiteral("密码不正确,请重新输入"), QStringLiteral("结束考试"),
                          MsgButtons::Ok, MsgIcon::Information, 1});
    Text1->clear();
    Text1->setFocus();
}

}  // namespace qv
