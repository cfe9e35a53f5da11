#include "platform/paths.h"

#include "support/temp_drive.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace qv {
namespace {

class EnvGuard {
  public:
    EnvGuard() : value_(qgetenv("WINEPREFIX")), set_(qEnvironmentVariableIsSet("WINEPREFIX")) {}
    ~EnvGuard() {
        if (set_) {
            qputenv("WINEPREFIX", value_);
        } else {
            qunsetenv("WINEPREFIX");
        }
    }

  private:
    QByteArray value_;
    bool set_;
};

TEST(DrivePaths, DriveCFollowsWinePrefix) {
    EnvGuard guard;
    qputenv("WINEPREFIX", "/srv/prefix/");
    EXPECT_EQ(DrivePaths::driveRoot(), QStringLiteral("/srv/prefix/drive_c"));
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(DrivePaths::driveRoot(), QDir::homePath() + QStringLiteral("/.wine/drive_c"));
    qputenv("WINEPREFIX", "");
    EXPECT_EQ(DrivePaths::driveRoot(), QDir::homePath() + QStringLiteral("/.wine/drive_c"));
}

TEST(DrivePaths, WindowsPathsMapBelowTheDrive) {
    test::TempDrive drive;
    EXPECT_EQ(DrivePaths::toHost(QStringLiteral("C:\\WEXAM\\27010001\\tovo.tim")),
              drive.root() + QStringLiteral("/WEXAM/27010001/tovo.tim"));
    EXPECT_EQ(DrivePaths::toHost(QStringLiteral("c:/WEXAM")),
              drive.root() + QStringLiteral("/WEXAM"));
    // ".." never leaves the drive.
    EXPECT_EQ(DrivePaths::toHost(QStringLiteral("C:\\..\\..\\etc\\passwd")),
              drive.root() + QStringLiteral("/etc/passwd"));
}

TEST(DrivePaths, MissingComponentsResolveCaseInsensitively) {
    test::TempDrive drive;
    drive.writeFile(QStringLiteral("C:\\windows\\system32\\cwmx\\VB9708.MDB"), "x");
    drive.writeFile(QStringLiteral("C:\\WEXAM\\27010001\\SJT3.FRM"), "y");
    EXPECT_EQ(DrivePaths::toHost(QStringLiteral("C:\\WINDOWS\\System32\\CWMX\\vb9708.mdb")),
              drive.root() + QStringLiteral("/windows/system32/cwmx/VB9708.MDB"));
    EXPECT_EQ(DrivePaths::toHost(QStringLiteral("C:\\wexam\\27010001\\sjt3.frm")),
              drive.root() + QStringLiteral("/WEXAM/27010001/SJT3.FRM"));
    // A name that does not exist in any case keeps its own spelling.
    EXPECT_EQ(DrivePaths::toHost(QStringLiteral("C:\\WEXAM\\New\\a.txt")),
              drive.root() + QStringLiteral("/WEXAM/New/a.txt"));
}

TEST(DrivePaths, AnExactNameWinsOverOtherCases) {
    test::TempDrive drive;
    QDir().mkpath(drive.root() + QStringLiteral("/d"));
    for (const QString& name : {QStringLiteral("Out.txt"), QStringLiteral("out.txt")}) {
        QFile file(drive.root() + QStringLiteral("/d/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(DrivePaths::toHost(QStringLiteral("C:\\d\\out.txt")),
              drive.root() + QStringLiteral("/d/out.txt"));
}

}  // namespace
}  // namespace qv
