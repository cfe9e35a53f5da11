#include "app/admin_commands.h"

#include <cstdio>

namespace qv::admin {

int fail(const QString& message) {
    std::fprintf(stderr, "quorvane-admin: %s\n", message.toLocal8Bit().constData());
    return 1;
}

}  // namespace qv::admin
