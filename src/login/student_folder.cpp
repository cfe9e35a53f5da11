#include "student_folder.h"

#include "platform/file_error.h"
#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace qv {
namespace {

bool isPlainFolderName(const QString& name) {
    if (name.isEmpty()) return false;
    for (const QChar c : name) {
        if (c.unicode() >= 128 || !c.isLetterOrNumber()) return false;
    }
    return true;
}

// A read-only folder keeps its entries on this system, so everything below is made writable
// first. Links are neither followed nor changed: their targets lie outside the folder.
void makeWritable(const QString& hostDir) {
    QDirIterator it(hostDir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QFile::setPermissions(hostDir, QFile::permissions(hostDir) | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        if (entry.isSymLink()) continue;
        QFileDevice::Permissions wanted = entry.permissions() | QFileDevice::WriteOwner;
        if (entry.isDir()) wanted |= QFileDevice::ExeOwner | QFileDevice::ReadOwner;
        QFile::setPermissions(entry.filePath(), wanted);
    }
}

void removeFolder(const QString& hostDir, const QString& shown) {
    const QFileInfo info(hostDir);
    if (info.isSymLink() || !info.isDir()) {
        // Only the link (or a stray file of that name) goes, never what a link points to.
        if (!QFile::remove(hostDir)) throw FileError(QStringLiteral("无法删除"), shown);
        return;
    }
    makeWritable(hostDir);
    if (!QDir(hostDir).removeRecursively()) {
        throw FileError(QStringLiteral("无法删除考生文件夹"), shown);
    }
}

void makeFolder(const QString& hostDir, const QString& shown) {
    if (!QDir().mkpath(hostDir) || !QFileInfo(hostDir).isDir()) {
        throw FileError(QStringLiteral("无法创建文件夹"), shown);
    }
}

}  // namespace

bool studentFolderExists(const QString& studentDir) {
    return QFileInfo(DrivePaths::toHost(studentDir)).isDir();
}

void recreateStudentFolder(const QString& studentDir) {
    const QString prefix = kExamRoot + QChar('\\');
    if (!studentDir.startsWith(prefix, Qt::CaseInsensitive) ||
        !isPlainFolderName(studentDir.mid(prefix.size()))) {
        throw FileError(QStringLiteral("考生文件夹不在 C:\\WEXAM 之下"), studentDir);
    }
    const QString root = DrivePaths::toHost(kExamRoot);
    if (!QFileInfo(root).isDir()) makeFolder(root, kExamRoot);
    const QString host = DrivePaths::toHost(studentDir);
    if (QFileInfo(host).exists() || QFileInfo(host).isSymLink()) removeFolder(host, studentDir);
    makeFolder(host, studentDir);
    makeFolder(DrivePaths::toHost(studentDir + QStringLiteral("\\WARN")),
               studentDir + QStringLiteral("\\WARN"));
}

}  // namespace qv
