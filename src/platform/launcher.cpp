#include "launcher.h"

#include "paths.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace qv {
namespace {

class ProcessLauncher : public Launcher {
  public:
    bool startWindowsProgram(const QString& windowsExe, const QStringList& args,
                             const QString& windowsWorkDir) override {
        const QString hostWorkDir = DrivePaths::toHost(windowsWorkDir);
        if (!QFileInfo(hostWorkDir).isDir()) return false;
        if (!QFileInfo(DrivePaths::toHost(windowsExe)).isFile()) return false;
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty()) return false;
        return QProcess::startDetached(wine, QStringList{windowsExe} + args, hostWorkDir);
    }
    bool openUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
    bool openFile(const QString& hostPath) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(hostPath));
    }
    bool restartSelf() override {
        return QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    }
    void endProgram() override {
        std::fflush(nullptr);
        std::_Exit(0);
    }
};

Launcher* installed = nullptr;

}  // namespace

Launcher& launcher() {
    static ProcessLauncher real;
    return installed != nullptr ? *installed : real;
}

void installLauncher(Launcher* implementation) {
    installed = implementation;
}

bool RecordingLauncher::startWindowsProgram(const QString& windowsExe, const QStringList& args,
                                            const QString& windowsWorkDir) {
    starts.push_back({windowsExe, args, windowsWorkDir});
    return succeed;
}

bool RecordingLauncher::openUrl(const QString& url) {
    urls.append(url);
    return succeed;
}

bool RecordingLauncher::openFile(const QString& hostPath) {
    files.append(hostPath);
    return succeed;
}

bool RecordingLauncher::restartSelf() {
    ++restartCount;
    return succeed;
}

}  // namespace qv
