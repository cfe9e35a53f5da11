#include "login/data_provisioning.h"

#include "login/question_bank.h"
#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace qv {
namespace {

constexpr QFileDevice::Permissions kCopyPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
    QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

ProvisioningResult failed(const QString& step, const QString& path) {
    return {Provisioning::Failed, step + QStringLiteral(": ") + path};
}

// The installed files are read-only for the user; the copies must be theirs to replace.
bool copyOwned(const QString& from, const QString& to) {
    return QFile::copy(from, to) && QFile::setPermissions(to, kCopyPermissions);
}

// Copies every file below from into to, keeping files that are already there.
ProvisioningResult copyMissingTree(const QString& from, const QString& to) {
    if (!QFileInfo(from).isDir()) return {Provisioning::Copied, {}};
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    if (!QDir().mkpath(to)) return failed(QStringLiteral("cannot create the folder"), to);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = resolveCaseInsensitive(to, source.relativeFilePath(path));
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target)) {
                return failed(QStringLiteral("cannot create the folder"), target);
            }
        } else if (!QFileInfo::exists(target) && !copyOwned(path, target)) {
            return failed(QStringLiteral("cannot copy the picture"), target);
        }
    }
    return {Provisioning::Copied, {}};
}

}  // namespace

QString installedDataFolder(const QString& programDir, const QString& relativeShareDir) {
    return QDir::cleanPath(programDir + QChar('/') + relativeShareDir);
}

ProvisioningResult provisionDataFolder(const QString& shareDir, const QString& dataDirHost) {
    const QString bank = resolveCaseInsensitive(dataDirHost, kBankFileName);
    if (QFileInfo::exists(bank)) return {Provisioning::Kept, {}};
    const QString sourceBank = QDir(shareDir).filePath(kBankFileName);
    if (!QFileInfo(sourceBank).isFile()) return {Provisioning::NoSource, {}};

    if (!QDir().mkpath(dataDirHost)) {
        return failed(QStringLiteral("cannot create the data folder"), dataDirHost);
    }
    // The pictures first: a bank without its pictures would be kept by every later start-up.
    const ProvisioningResult images =
        copyMissingTree(QDir(shareDir).filePath(QStringLiteral("img")),
                        resolveCaseInsensitive(dataDirHost, QStringLiteral("img")));
    if (images.outcome == Provisioning::Failed) return images;

    const QString partial = bank + QStringLiteral(".part");
    QFile::remove(partial);
    if (!copyOwned(sourceBank, partial)) {
        QFile::remove(partial);
        return failed(QStringLiteral("cannot copy the question bank"), bank);
    }
    // rename never replaces an existing file, so a bank that appeared meanwhile stays.
    if (!QFile::rename(partial, bank)) {
        QFile::remove(partial);
        if (QFileInfo::exists(bank)) return {Provisioning::Kept, {}};
        return failed(QStringLiteral("cannot copy the question bank"), bank);
    }
    return {Provisioning::Copied, {}};
}

ProvisioningResult provisionDriveDataFolder(const QString& shareDir) {
    const QString dataDir = DrivePaths::systemDirectory() + QStringLiteral("\\cwmx");
    return provisionDataFolder(shareDir, DrivePaths::toHost(dataDir));
}

}  // namespace qv
