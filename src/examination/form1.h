#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QFrame>
#include <QPushButton>

namespace qv {

// The end of the examination: the end password leads on to grading. The window has no border,
// and close requests are refused, so the password is the only way on.
class Form1 : public Form {
    Q_OBJECT
  public:
    Form1();
    void Form_Load() override;
    void Command1_Click();

    QFrame* Shape1;
    VbLabel* Label1;
    VbLabel* Label2;
    VbTextBox* Text1;
    QPushButton* Command1;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool shownBefore_ = false;
};

inline const QString kEndPassword = QStringLiteral("qzt");

}  // namespace qv
