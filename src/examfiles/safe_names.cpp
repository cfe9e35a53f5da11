#include "safe_names.h"

namespace qv {

QString unsafeNameReason(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("file name is empty");
    for (const QChar c : name) {
        if (c.unicode() < 32) return QStringLiteral("file name holds a control character");
    }
    if (name.contains(QChar('\\')) || name.contains(QChar('/'))) {
        return QStringLiteral("file name holds a folder separator");
    }
    if (name.contains(QChar(':'))) return QStringLiteral("file name holds \":\"");
    if (name.contains(QStringLiteral(".."))) return QStringLiteral("file name holds \"..\"");
    for (const QChar c : QStringLiteral("<>\"|?*")) {
        if (name.contains(c)) {
            return QStringLiteral("file name holds \"") + c +
                   QStringLiteral("\", which Windows forbids");
        }
    }
    if (name == QStringLiteral(".")) return QStringLiteral("file name names the folder itself");
    return QString();
}

}  // namespace qv
