#pragma once

#include "platform/form.h"

namespace qv {

// The login window. (Filled in by the login work; for now it only exists so the start
// screen can hand over to it.)
class Form2 : public Form {
    Q_OBJECT
  public:
    Form2();
    void Form_Load() override;
};

}  // namespace qv
