#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace qv::test {

// The result of one run of the built quorvane-admin.
struct AdminRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline QString adminProgram() {
    return QStringLiteral(QV_BINARY_DIR "/src/app/quorvane-admin");
}

inline AdminRun runAdmin(const QStringList& args) {
    QProcess process;
    process.start(adminProgram(), args);
    AdminRun run;
    if (!process.waitForStarted(10000)) {
        run.err = QStringLiteral("cannot start ") + adminProgram();
        return run;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(5000);
        run.err = QStringLiteral("quorvane-admin did not finish: ") + args.join(QChar(' '));
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

}  // namespace qv::test
