#pragma once

#include "module1.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/vb_timer.h"

namespace qv {

// The exam bar: a thin translucent strip on top of every window with the candidate, the clock
// and the hand-in. Its timer is the examination clock.
class Form5 : public Form {
    Q_OBJECT
  public:
    Form5();

    void Form_Load() override;
    void Timer1_Timer();
    void Label1_Click();
    void Label5_Click();
    void Form_Click();
    void Picture1_Click();
    void Label2_Click();
    void Label4_Click();

    // The opacity last applied, 0 to 255.
    int alpha() const { return alpha_; }

    VbImage* Picture1;
    VbLabel* Label1;
    VbLabel* Label2;
    VbLabel* Label4;
    VbLabel* Label5;
    VbTimer* Timer1;
    WindowListBox List1;  // never shown

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void SetWindowAlpha(QWidget* window, int alpha);
    static bool CanLayerWindows();
    static QWidget* GetTopVisibleParent(QWidget* window);
    void timeOut();
    void handIn();
    void writeTime(int16_t seconds);
    int alpha_ = 255;
    bool timeFileFailed_ = false;
};

// The delay password that gives 60 more seconds at the time-out.
inline const QString kDelayPassword = QStringLiteral("+++");

}  // namespace qv
