#include "paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace qv {

QString DrivePaths::driveRoot() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (!prefix.isEmpty()) return QDir::cleanPath(prefix + QStringLiteral("/drive_c"));
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.wine/drive_c"));
}

QString DrivePaths::systemDirectory() {
    return QStringLiteral("C:\\windows\\system32");
}

QString resolveCaseInsensitive(const QString& base, const QString& relative) {
    QString current = base;
    const QStringList parts = relative.split(QChar('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QStringLiteral(".")) continue;
        if (part == QStringLiteral("..")) {
            // Never climb above the base.
            if (current != base) current = QFileInfo(current).path();
            continue;
        }
        const QString exact = current + QChar('/') + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QString found;
        const QDir dir(current);
        if (dir.exists()) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        current += QChar('/') + (found.isEmpty() ? part : found);
    }
    return current;
}

QString DrivePaths::toHost(const QString& windowsPath) {
    QString path = windowsPath;
    path.replace(QChar('\\'), QChar('/'));
    if (path.size() >= 2 && path.at(1) == QChar(':')) path = path.mid(2);
    return resolveCaseInsensitive(driveRoot(), path);
}

QString DrivePaths::parentOf(const QString& windowsPath) {
    const qsizetype slash = windowsPath.lastIndexOf(QChar('\\'));
    return slash < 0 ? QString() : windowsPath.left(slash);
}

}  // namespace qv
