#include "app/admin_commands.h"

namespace qv::admin {

int gradeCommand(const QStringList&) {
    return fail(QStringLiteral("grade: not available yet"));
}
int gradeAllCommand(const QStringList&) {
    return fail(QStringLiteral("grade-all: not available yet"));
}

}  // namespace qv::admin
