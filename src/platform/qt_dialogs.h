#pragma once

#include "dialogs.h"

namespace qv {

// Real modal dialogs. Timers keep running while they are open, as the countdown needs.
class QtDialogs : public Dialogs {
  public:
    MsgResult messageBox(const MessageRequest& request) override;
    std::optional<QString> inputBox(const InputRequest& request) override;
};

}  // namespace qv
