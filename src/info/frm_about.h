#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QPushButton>

namespace qv {

inline const QString kProgramTitle = QStringLiteral("Quorvane上机考试系统");

// "版本 7.3.0": major, minor and revision, the revision written out even when it is 0.
QString aboutVersionText();

// The About box: title, version, the support block and the system-information button.
class frmAbout : public Form {
    Q_OBJECT
  public:
    frmAbout();
    void Form_Load() override;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Text3_Click();

    void StartSysInfo();
    bool GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal);

    VbImage* picIcon;
    VbLabel* lblTitle;
    VbLabel* lblVersion;
    VbLabel* lblDisclaimer;
    VbLabel* Label2;
    VbTextBox* Text3;
    VbTextBox* Text2;
    VbLabel* Label3;
    VbLabel* Label1;
    VbImage* Image1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qv
