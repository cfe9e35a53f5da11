#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <QPushButton>

namespace qv {

// The five-minute warning, on top of every window; it does not touch the clock.
class Form6 : public Form {
    Q_OBJECT
  public:
    Form6();
    void Form_Load() override;
    void Command1_Click();

    VbImage* Picture1;
    VbLabel* Label1;
    QPushButton* Command1;
};

}  // namespace qv
