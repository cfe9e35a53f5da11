#include "form6.h"

#include "resources/exam_pictures.h"
#include "resources/picture_kit.h"

namespace qv {

Form6::Form6() {
    setWindowTitle(QStringLiteral("Quorvane_信息提示"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    Picture1 = new VbImage(this, pictures::informationIcon());
    Picture1->move(20, 22);
    Label1 = new VbLabel(this, QStringLiteral("系统还剩余5分钟,请考生注意存盘以免影响考试成绩!"));
    Label1->setFont(pictures::chineseFont(13));
    Label1->setWordWrap(true);
    Label1->setGeometry(66, 16, 370, 44);
    Command1 = new QPushButton(QStringLiteral("确认"), this);
    Command1->setGeometry(185, 76, 80, 28);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
}

void Form6::Form_Load() {
    // 450 x 120 pixels, 200 pixels from the left and from the top of the screen.
    setFixedSize(450, 120);
    move(200, 200);
}

void Form6::Command1_Click() {
    Forms::unload(this);
}

}  // namespace qv
