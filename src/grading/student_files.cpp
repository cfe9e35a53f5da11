#include "student_files.h"

#include "platform/paths.h"
#include "platform/text_rules.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace qv {

std::optional<QString> pathInsideFolder(const QString& name) {
    QString path = name;
    path.replace(QChar('\\'), QChar('/'));
    if (trimSpaces(path).isEmpty() || path.startsWith(QChar('/')) || path.contains(QChar(':'))) {
        return std::nullopt;
    }
    QStringList kept;
    for (const QString& part : path.split(QChar('/'), Qt::SkipEmptyParts)) {
        if (part == QStringLiteral(".")) continue;
        if (part == QStringLiteral("..")) {
            if (kept.isEmpty()) return std::nullopt;
            kept.removeLast();
            continue;
        }
        kept.append(part);
    }
    if (kept.isEmpty()) return std::nullopt;
    return kept.join(QChar('/'));
}

StudentFile readStudentFile(const QString& folder, const QString& name, qint64 limit) {
    StudentFile result;
    const std::optional<QString> relative = pathInsideFolder(name);
    if (!relative) return result;
    const QString hostPath = resolveCaseInsensitive(folder, *relative);
    const QFileInfo info(hostPath);
    if (!info.isFile()) return result;
    if (info.size() > limit) {
        result.status = StudentFileStatus::TooLarge;
        return result;
    }
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = StudentFileStatus::Unreadable;
        return result;
    }
    // The file may still be growing; never hold more than the limit. Read in pieces, so a
    // small file does not cost a buffer of the limit's size.
    result.bytes.reserve(std::min<qint64>(QFileInfo(hostPath).size(), limit) + 1);
    char chunk[65536];
    while (result.bytes.size() <= limit) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got <= 0) break;
        result.bytes.append(chunk, std::min<qint64>(got, limit + 1 - result.bytes.size()));
    }
    if (result.bytes.size() > limit) {
        result.bytes.clear();
        result.status = StudentFileStatus::TooLarge;
        return result;
    }
    result.status = StudentFileStatus::Read;
    return result;
}

}  // namespace qv
