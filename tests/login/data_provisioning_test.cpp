#include "login/data_provisioning.h"

#include "support/temp_drive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

const QString kDataDir = QStringLiteral("C:\\windows\\system32\\cwmx");

// An installed share folder with a bank and two pictures, and a fresh drive beside it.
class DataProvisioningTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeShare(QStringLiteral("vb9708.mdb"), "installed bank");
        writeShare(QStringLiteral("img/pic1.bmp"), "installed picture");
        writeShare(QStringLiteral("img/红灯.ico"), "installed icon");
    }

    void writeShare(const QString& relative, const QByteArray& bytes) const {
        const QString path = share_.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        // Installed files belong to root and are read-only for the student.
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther);
    }

    QString data(const char* name) const {
        return kDataDir + QStringLiteral("\\") + QString::fromUtf8(name);
    }

    QStringList dataEntries() const {
        return QDir(drive_.host(kDataDir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    QTemporaryDir share_;
    test::TempDrive drive_;
};

TEST_F(DataProvisioningTest, FreshDriveGetsTheBankAndItsPicturesAsTheStudentsOwnFiles) {
    const ProvisioningResult result = provisionDriveDataFolder(share_.path());
    EXPECT_EQ(result.outcome, Provisioning::Copied) << result.error.toStdString();
    EXPECT_EQ(drive_.readFile(data("vb9708.mdb")), "installed bank");
    EXPECT_EQ(drive_.readFile(data("img\\pic1.bmp")), "installed picture");
    EXPECT_EQ(drive_.readFile(data("img\\红灯.ico")), "installed icon");
    EXPECT_EQ(dataEntries(), (QStringList{QStringLiteral("img"), QStringLiteral("vb9708.mdb")}));
    // A teacher must be able to replace the copy later.
    EXPECT_TRUE(QFileInfo(drive_.host(data("vb9708.mdb"))).permissions() & QFileDevice::WriteOwner);
}

TEST_F(DataProvisioningTest, ExistingBankUnderAnyCaseIsKeptAndNothingIsAdded) {
    for (const char* name : {"vb9708.mdb", "VB9708.MDB"}) {
        SCOPED_TRACE(name);
        test::TempDrive drive;
        drive.writeFile(data(name), "teacher's bank");
        const ProvisioningResult result = provisionDriveDataFolder(share_.path());
        EXPECT_EQ(result.outcome, Provisioning::Kept);
        EXPECT_EQ(drive.readFile(data(name)), "teacher's bank");
        EXPECT_FALSE(drive.exists(data("img")));
        EXPECT_EQ(QDir(drive.host(kDataDir)).entryList(QDir::Files).size(), 1);
    }
}

TEST_F(DataProvisioningTest, PicturesAlreadyThereAreKeptAndTheMissingOnesAdded) {
    drive_.writeFile(data("IMG\\PIC1.BMP"), "teacher's picture");
    drive_.writeFile(data("vb9708.mdb.part"), "half a bank from an interrupted copy");
    ASSERT_EQ(provisionDriveDataFolder(share_.path()).outcome, Provisioning::Copied);
    EXPECT_EQ(drive_.readFile(data("IMG\\PIC1.BMP")), "teacher's picture");
    EXPECT_EQ(drive_.readFile(data("img\\红灯.ico")), "installed icon");
    EXPECT_EQ(drive_.readFile(data("vb9708.mdb")), "installed bank");
    EXPECT_EQ(dataEntries(), (QStringList{QStringLiteral("IMG"), QStringLiteral("vb9708.mdb")}));
}

TEST_F(DataProvisioningTest, MissingShareFolderOrBankLeavesTheDriveAlone) {
    QFile::remove(share_.filePath(QStringLiteral("vb9708.mdb")));
    for (const QString& share : {share_.path(), share_.filePath(QStringLiteral("missing"))}) {
        SCOPED_TRACE(share.toStdString());
        EXPECT_EQ(provisionDriveDataFolder(share).outcome, Provisioning::NoSource);
        EXPECT_FALSE(drive_.exists(kDataDir));
    }
}

TEST_F(DataProvisioningTest, FailedCopyNamesThePathAndLeavesNoBank) {
    // A file standing where a folder must be created stops the copy, root or not.
    const struct {
        const char* blocker;
        const char* named;
    } cases[] = {{"", "cwmx"}, {"\\img", "img"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blocker);
        test::TempDrive drive;
        drive.writeFile(kDataDir + QString::fromUtf8(c.blocker), "not a folder");
        const ProvisioningResult result = provisionDriveDataFolder(share_.path());
        EXPECT_EQ(result.outcome, Provisioning::Failed);
        EXPECT_TRUE(result.error.endsWith(QString::fromUtf8(c.named)))
            << result.error.toStdString();
        EXPECT_FALSE(drive.exists(data("vb9708.mdb")));
        EXPECT_FALSE(drive.exists(data("vb9708.mdb.part")));
    }
}

TEST(InstalledDataFolder, ResolvesTheShareFolderFromTheProgramsFolder) {
    EXPECT_EQ(installedDataFolder(QStringLiteral("/usr/lib/quorvane"),
                                  QStringLiteral("../../share/quorvane/cwmx")),
              QStringLiteral("/usr/share/quorvane/cwmx"));
    EXPECT_EQ(installedDataFolder(QStringLiteral("/tmp/root/usr/lib/quorvane/"),
                                  QStringLiteral("../../share/quorvane/cwmx")),
              QStringLiteral("/tmp/root/usr/share/quorvane/cwmx"));
}

}  // namespace
}  // namespace qv
