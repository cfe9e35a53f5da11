#include "time_file.h"

#include "platform/ansi_file.h"
#include "platform/file_error.h"
#include "platform/paths.h"
#include "platform/text_rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qv {

QString timeFilePath(const QString& studentDirWindows) {
    return studentDirWindows + QStringLiteral("\\tovo.tim");
}

void writeTimeFile(const QString& studentDirWindows, int16_t seconds) {
    replaceAnsiText(DrivePaths::toHost(timeFilePath(studentDirWindows)), printNumber(seconds));
}

std::optional<int16_t> readTimeFile(const QString& studentDirWindows) {
    const QString host = DrivePaths::toHost(timeFilePath(studentDirWindows));
    if (!QFileInfo(host).isFile()) return std::nullopt;
    try {
        const std::optional<long long> value = parseFirstNumber(readFileBytes(host));
        if (!value || *value < INT16_MIN || *value > INT16_MAX) return std::nullopt;
        return static_cast<int16_t>(*value);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void removeTimeFileLeftovers(const QString& studentDirWindows) {
    const QDir folder(DrivePaths::toHost(studentDirWindows));
    const QStringList leftovers =
        folder.entryList({QStringLiteral(".tovo.tim.??????")}, QDir::Files | QDir::Hidden);
    for (const QString& name : leftovers) QFile::remove(folder.filePath(name));
}

}  // namespace qv
