#include "startup.h"

#include "grading/frm_score.h"
#include "login/frm_start.h"

#include <QApplication>

namespace qv {

void startExamination() {
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral("7.3.0"));
    installScoreWindow();
    FrmStart& start = Forms::get<FrmStart>();
    start.centreOnScreen();
    start.show();
    start.activateWindow();
    start.setFocus();
}

}  // namespace qv
