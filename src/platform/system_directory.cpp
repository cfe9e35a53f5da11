#include "system_directory.h"

#include "codepage.h"
#include "paths.h"

#include <cstring>

namespace qv {
namespace {

QString& overridden() {
    static QString value;
    return value;
}

}  // namespace

void overrideSystemDirectory(const QString& windowsPath) {
    overridden() = windowsPath;
}

int systemDirectoryInto(QByteArray& buffer) {
    const QString directory = overridden().isEmpty() ? DrivePaths::systemDirectory() : overridden();
    const QByteArray bytes = toAnsi(directory);
    if (buffer.isEmpty()) return 0;
    const qsizetype length = std::min<qsizetype>(bytes.size(), buffer.size() - 1);
    std::memcpy(buffer.data(), bytes.constData(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return static_cast<int>(length);
}

}  // namespace qv
