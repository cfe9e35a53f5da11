#include "temp_drive.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qv::test {

TempDrive::TempDrive()
    : oldPrefix_(qgetenv("WINEPREFIX")), hadPrefix_(qEnvironmentVariableIsSet("WINEPREFIX")) {
    QDir(dir_.path()).mkpath(QStringLiteral("drive_c"));
    qputenv("WINEPREFIX", dir_.path().toLocal8Bit());
}

TempDrive::~TempDrive() {
    if (hadPrefix_) {
        qputenv("WINEPREFIX", oldPrefix_);
    } else {
        qunsetenv("WINEPREFIX");
    }
}

QString TempDrive::root() const {
    return dir_.path() + QStringLiteral("/drive_c");
}

QString TempDrive::host(const QString& windowsPath) const {
    return DrivePaths::toHost(windowsPath);
}

void TempDrive::writeFile(const QString& windowsPath, const QByteArray& bytes) const {
    const QString path = host(windowsPath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

QByteArray TempDrive::readFile(const QString& windowsPath) const {
    QFile file(host(windowsPath));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool TempDrive::exists(const QString& windowsPath) const {
    return QFileInfo::exists(host(windowsPath));
}

}  // namespace qv::test
