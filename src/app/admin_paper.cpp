#include "app/admin_commands.h"

namespace qv::admin {

int paperCommand(const QStringList&) {
    return fail(QStringLiteral("paper: not available yet"));
}

}  // namespace qv::admin
