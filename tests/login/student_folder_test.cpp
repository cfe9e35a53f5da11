#include "login/student_folder.h"
#include "platform/file_error.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(StudentFolder, RecreatesAnEmptyFolderWithItsBackupAndTheExamRoot) {
    test::TempDrive drive;
    recreateStudentFolder(QStringLiteral("C:\\WEXAM\\26010005"));
    EXPECT_TRUE(QFileInfo(drive.host(QStringLiteral("C:\\WEXAM\\26010005\\WARN"))).isDir());
    EXPECT_TRUE(QDir(drive.host(QStringLiteral("C:\\WEXAM\\26010005\\WARN"))).isEmpty());
    EXPECT_TRUE(studentFolderExists(QStringLiteral("C:\\WEXAM\\26010005")));
    EXPECT_FALSE(studentFolderExists(QStringLiteral("C:\\WEXAM\\26010006")));
}

TEST(StudentFolder, DeletesEverythingInsideEvenReadOnlyEntries) {
    test::TempDrive drive;
    const QString dir = QStringLiteral("C:\\WEXAM\\26010005");
    drive.writeFile(dir + QStringLiteral("\\sjt1.frm"), "work");
    drive.writeFile(dir + QStringLiteral("\\deep\\er\\x.txt"), "x");
    drive.writeFile(QStringLiteral("C:\\WEXAM\\26010006\\keep.txt"), "other student");
    QFile::setPermissions(drive.host(dir + QStringLiteral("\\sjt1.frm")), QFileDevice::ReadOwner);
    QFile::setPermissions(drive.host(dir + QStringLiteral("\\deep\\er")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    recreateStudentFolder(dir);
    EXPECT_EQ(QDir(drive.host(dir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("WARN")});
    EXPECT_EQ(drive.readFile(QStringLiteral("C:\\WEXAM\\26010006\\keep.txt")), "other student");
}

TEST(StudentFolder, LinkInPlaceOfTheFolderGoesButNotWhatItPointsTo) {
    test::TempDrive drive;
    drive.writeFile(QStringLiteral("C:\\elsewhere\\precious.txt"), "keep");
    QDir().mkpath(drive.host(QStringLiteral("C:\\WEXAM")));
    ASSERT_TRUE(QFile::link(drive.host(QStringLiteral("C:\\elsewhere")),
                            drive.root() + QStringLiteral("/WEXAM/26010005")));
    recreateStudentFolder(QStringLiteral("C:\\WEXAM\\26010005"));
    EXPECT_EQ(drive.readFile(QStringLiteral("C:\\elsewhere\\precious.txt")), "keep");
    EXPECT_FALSE(QFileInfo(drive.root() + QStringLiteral("/WEXAM/26010005")).isSymLink());
    EXPECT_TRUE(studentFolderExists(QStringLiteral("C:\\WEXAM\\26010005\\WARN")));
}

TEST(StudentFolder, RefusesAnyFolderButAPlainNameInsideTheExamRoot) {
    test::TempDrive drive;
    drive.writeFile(QStringLiteral("C:\\other\\26010005\\keep.txt"), "keep");
    for (const char* dir : {"C:\\other\\26010005", "C:\\WEXAM\\..\\other", "C:\\WEXAM\\a\\b",
                            "C:\\WEXAM\\", "C:\\WEXAM", "C:\\WEXAM\\2601 005", "C:\\WEXAM\\.."}) {
        SCOPED_TRACE(dir);
        EXPECT_THROW(recreateStudentFolder(QString::fromLatin1(dir)), FileError);
    }
    EXPECT_EQ(drive.readFile(QStringLiteral("C:\\other\\26010005\\keep.txt")), "keep");
    EXPECT_FALSE(drive.exists(QStringLiteral("C:\\WEXAM")));
}

}  // namespace
}  // namespace qv
