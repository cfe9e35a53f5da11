#include "app/admin_commands.h"

namespace qv::admin {

int bankCommand(const QStringList&) {
    return fail(QStringLiteral("bank: not available yet"));
}

}  // namespace qv::admin
