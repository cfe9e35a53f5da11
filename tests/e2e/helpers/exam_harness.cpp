// Starts the examination windows at the notice window for a ticket whose student folder already
// exists, filled as the login window fills them, so the examination can be driven on its own.
//   qv_exam_harness [--start]
// The remaining time comes from the folder's tovo.tim (5400 when there is none). --start
// presses the start button at once. The score window is a stand-in that prints
// "score window" and ends the program.
#include "examination/form3.h"
#include "examination/form4.h"
#include "examination/form5.h"
#include "examination/score_hook.h"
#include "login/exam_state.h"
#include "login/time_file.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

QString question(const QString& title, const QString& body) {
    // Chinese text as the bank stores it: code page 936 bytes in \'hh escapes.
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0 SimSun;}}\\f0\\fs21 ");
    for (const QString& part : {title, body}) {
        for (const QChar c : part) {
            if (c == QChar('\\') || c == QChar('{') || c == QChar('}')) rtf += QChar('\\');
            rtf += c.unicode() < 128 ? QString(c)
                                     : QStringLiteral("\\u%1?").arg(static_cast<int>(c.unicode()));
        }
        rtf += QStringLiteral("\\par ");
    }
    return rtf + QChar('}');
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    using namespace qv;
    ExamState& s = ExamState::get();
    s.FormBackColor = kFormBackColor;
    s.TicketNo = QStringLiteral("2701999988880001");
    s.StudentName = QStringLiteral("模拟1");
    s.StudentDir = QStringLiteral("C:\\WEXAM\\27010001");
    s.TimeLeft = readTimeFile(s.StudentDir).value_or(5400);
    s.QuestionRtf1 = question(QStringLiteral("一、基本操作题"),
                              QStringLiteral("考生文件夹 C:\\WEXAM\\27010001 下的工程 sjt1.vbp"));
    s.QuestionRtf2 = question(QStringLiteral("二、简单应用题"), QStringLiteral("************"));
    s.QuestionRtf3 = question(QStringLiteral("三、综合应用题"), QStringLiteral("sjt5.vbp"));

    Form3& notice = Forms::get<Form3>();
    notice.LblID->setText(s.TicketNo);
    notice.LblName->setText(s.StudentName);
    notice.LblTime->setText(QString::number(s.TimeLeft / 60) + QStringLiteral("分") +
                            QString::number(s.TimeLeft % 60) + QStringLiteral("秒"));
    Form4& main = Forms::get<Form4>();
    main.setWindowTitle(QStringLiteral("Quorvane_二级Visual Basic考试系统--姓名:") + s.StudentName +
                        QStringLiteral(", 准考证号:") + s.TicketNo + QStringLiteral(" (单机版)"));
    Form5& bar = Forms::get<Form5>();
    bar.Label2->setText(s.TicketNo + QStringLiteral("  ") + s.StudentName);
    bar.Label4->setText(timeText(s.TimeLeft));
    setScoreWindowOpener([] {
        std::puts("score window");
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    });
    notice.show();
    if (QApplication::arguments().contains(QStringLiteral("--start"))) notice.Command1_Click();
    return app.exec();
}
