#pragma once

#include "grading/grader.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/vb_timer.h"

#include <cstdint>
#include <memory>

namespace qv {

// The score window: a black waiting screen that grades the paper on its first timer tick,
// writes the score rows into the answers window, closes and shows that window.
class FrmScore : public Form {
    Q_OBJECT
  public:
    FrmScore();
    ~FrmScore() override;

    void Form_Load() override;
    void Timer1_Timer();
    void Label1_Click();

    // The grading driver and its checkers, over the examination in progress.
    void PingF(int16_t Item);
    void PingFrm(int16_t Item);
    void PingOutSingle(int16_t Item);
    void PingOutMulti(int16_t Item);

    // ItemMax, ItemScore, ItemRecord and FileText live in the grader; null without a bank.
    Grader* grader() { return grader_.get(); }

    VbLabel* Label1;
    VbLabel* Label2;
    VbTimer* Timer1;

  private:
    std::unique_ptr<Grader> grader_;
};

// Lets the end-of-exam window open the score window (modal) once the end password passed.
void installScoreWindow();

}  // namespace qv
