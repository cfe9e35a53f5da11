#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace qv {

// Starting other programs and ending this one. Nothing started is watched afterwards.
class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts a program by its Windows path (a .EXE runs through the compatibility layer) with
    // the given Windows working folder. False when any step fails.
    virtual bool startWindowsProgram(const QString& windowsExe, const QStringList& args,
                                     const QString& windowsWorkDir) = 0;
    // Opens a web address or a host file with the desktop's handler.
    virtual bool openUrl(const QString& url) = 0;
    virtual bool openFile(const QString& hostPath) = 0;
    // Starts a fresh copy of this program.
    virtual bool restartSelf() = 0;
    // Ends this program at once: no further handlers run. The caller returns right after.
    virtual void endProgram() = 0;
};

Launcher& launcher();
void installLauncher(Launcher* implementation);  // nullptr restores the real one

// Test double: records what was asked.
class RecordingLauncher : public Launcher {
  public:
    struct Start {
        QString exe;
        QStringList args;
        QString workDir;
    };
    bool startWindowsProgram(const QString& windowsExe, const QStringList& args,
                             const QString& windowsWorkDir) override;
    bool openUrl(const QString& url) override;
    bool openFile(const QString& hostPath) override;
    bool restartSelf() override;
    void endProgram() override { ++endCount; }

    bool succeed = true;
    std::vector<Start> starts;
    QStringList urls;
    QStringList files;
    int restartCount = 0;
    int endCount = 0;
};

class ScopedRecordingLauncher {
  public:
    ScopedRecordingLauncher() { installLauncher(&launcher); }
    ~ScopedRecordingLauncher() { installLauncher(nullptr); }
    ScopedRecordingLauncher(const ScopedRecordingLauncher&) = delete;
    ScopedRecordingLauncher& operator=(const ScopedRecordingLauncher&) = delete;
    RecordingLauncher launcher;
};

}  // namespace qv
