#include "dialogs.h"

#include "qt_dialogs.h"

namespace qv {
namespace {

Dialogs* installed = nullptr;

}  // namespace

Dialogs& dialogs() {
    static QtDialogs real;
    return installed != nullptr ? *installed : real;
}

void installDialogs(Dialogs* implementation) {
    installed = implementation;
}

}  // namespace qv
