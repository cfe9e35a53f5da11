#include "startup.h"

#include "grading/frm_score.h"
#include "login/data_provisioning.h"
#include "login/frm_start.h"

#include <QApplication>
#include <QtGlobal>

namespace qv {
namespace {

// An installed program brings the sample bank in its share folder; a fresh drive gets a copy.
// A failed copy leaves the drive as it was, and the start screen then reports the missing bank.
void provisionSampleData() {
    const QString share = installedDataFolder(QCoreApplication::applicationDirPath(),
                                              QStringLiteral(QV_SHARE_DATA_RELATIVE));
    const ProvisioningResult result = provisionDriveDataFolder(share);
    if (result.outcome == Provisioning::Failed) {
        qWarning("quorvane: the sample data was not installed on drive C (%s)",
                 qUtf8Printable(result.error));
    }
}

}  // namespace

void startExamination() {
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral("7.3.0"));
    provisionSampleData();
    installScoreWindow();
    FrmStart& start = Forms::get<FrmStart>();
    start.centreOnScreen();
    start.show();
    start.activateWindow();
    start.setFocus();
}

}  // namespace qv
