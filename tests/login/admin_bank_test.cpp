#include "login/bank_json.h"
#include "login/bank_test_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

const QString kAdmin = QStringLiteral(QV_BINARY_DIR "/src/app/quorvane-admin");

struct AdminRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

AdminRun admin(const QStringList& args) {
    QProcess process;
    process.start(kAdmin, QStringList{QStringLiteral("bank")} + args);
    AdminRun run;
    if (!process.waitForFinished(60000)) return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

class AdminBankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo(kAdmin).isExecutable()) << "build quorvane-admin first";
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
};

TEST_F(AdminBankTest, BuildDumpCountRoundTrip) {
    std::vector<BankRecord> records = test::recordsWithKeys({101, 102, 103, 104, 105, 2304, 2305});
    records[1].fields[QStringLiteral("其它答文")] = QStringLiteral("“甲”\r\n\"乙\"\\#");
    const QString json = writeFile(QStringLiteral("in.json"), recordsToJson(records));
    const QString bank = path(QStringLiteral("vb9708.mdb"));

    const AdminRun build = admin({QStringLiteral("build"), json, bank});
    EXPECT_EQ(build.exitCode, 0) << build.err.constData();
    EXPECT_TRUE(build.out.isEmpty());

    const AdminRun count = admin({QStringLiteral("count"), bank});
    EXPECT_EQ(count.exitCode, 0);
    EXPECT_EQ(count.out, QByteArray("23\n"));

    const AdminRun dump = admin({QStringLiteral("dump"), bank});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out, recordsToJson(records));

    const QString again = path(QStringLiteral("again.mdb"));
    EXPECT_EQ(
        admin({QStringLiteral("build"), writeFile(QStringLiteral("dump.json"), dump.out), again})
            .exitCode,
        0);
    EXPECT_EQ(admin({QStringLiteral("dump"), again}).out, dump.out);
}

TEST_F(AdminBankTest, BuildsTheSourceFolderAndReplacesAnExistingBank) {
    const QString bank = path(QStringLiteral("vb9708.mdb"));
    writeFile(QStringLiteral("vb9708.mdb"), "old");
    const AdminRun build =
        admin({QStringLiteral("build"),
               QStringLiteral(QV_SOURCE_DIR "/tests/login/fixtures/bank_source"), bank});
    EXPECT_EQ(build.exitCode, 0) << build.err.constData();
    const auto records = recordsFromJson(admin({QStringLiteral("dump"), bank}).out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records.back().key, 205);
    EXPECT_EQ(admin({QStringLiteral("count"), bank}).out, QByteArray("2\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("vb9708.mdb")});
}

TEST_F(AdminBankTest, CheckListsFindingsAndFailsOnThem) {
    // Build does not lint: a broken bank is built as it is.
    const QString json =
        writeFile(QStringLiteral("broken.json"),
                  R"([{"题号": 101, "题面": "{\\viewkind4 x}\r\n", "答文frm": "VERSION 5.00"},
                      {"题号": 102, "题面": "x", "答文frm": "VERSION 5.00"}])");
    const QString bank = path(QStringLiteral("vb9708.mdb"));
    ASSERT_EQ(admin({QStringLiteral("build"), json, bank}).exitCode, 0);
    const AdminRun check = admin({QStringLiteral("check"), bank});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(check.out),
              QStringLiteral("102 题面: has no \"\\viewkind4\"\n"
                             "103 题号: no record: set 1 lacks item 3\n"
                             "104 题号: no record: set 1 lacks item 4\n"
                             "105 题号: no record: set 1 lacks item 5\n"));
    EXPECT_TRUE(check.err.isEmpty());
}

TEST_F(AdminBankTest, ErrorsAreOneLineOnStderrAndLeaveNothingAtOut) {
    const QString bank = path(QStringLiteral("vb9708.mdb"));
    const QString old = writeFile(QStringLiteral("old.mdb"), "previous bank");
    const QString bad = writeFile(QStringLiteral("bad.json"), R"([{"题号": 101}, {"题号": "x"}])");
    const QString text = writeFile(QStringLiteral("text.mdb"), QByteArray(2048, 't'));
    const QString empty = path(QStringLiteral("empty.mdb"));
    ASSERT_EQ(
        admin({QStringLiteral("build"), writeFile(QStringLiteral("e.json"), "[]"), empty}).exitCode,
        0);
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{QStringLiteral("build"), bad, bank}, "record 2: \"题号\" must be an integer"},
        {{QStringLiteral("build"), bad, old}, "bad.json"},
        {{QStringLiteral("build"), path(QStringLiteral("none.json")), bank}, "none.json"},
        {{QStringLiteral("build"), bad, path(QStringLiteral("no/dir/x.mdb"))}, "record 2"},
        {{QStringLiteral("dump"), bank}, "not found"},
        {{QStringLiteral("count"), text}, "cannot be read"},
        {{QStringLiteral("count"), empty}, "holds no record"},
        {{QStringLiteral("check"), text}, "cannot be read"},
        {{QStringLiteral("count")}, "usage: bank count BANK"},
        {{QStringLiteral("build"), bad}, "usage: bank build SOURCE OUT"},
        {{QStringLiteral("list"), bank}, "unknown sub-command"},
        {{}, "unknown sub-command"},
    };
    for (const Case& c : cases) {
        const AdminRun run = admin(c.args);
        const QString err = QString::fromUtf8(run.err);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_TRUE(run.out.isEmpty()) << c.message;
        EXPECT_TRUE(err.startsWith(QStringLiteral("quorvane-admin: bank"))) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
        EXPECT_EQ(err.count(u'\n'), 1) << err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(bank));
    EXPECT_EQ(readFile(old), QByteArray("previous bank"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).filter(QStringLiteral(".building")),
              QStringList());
}

}  // namespace
}  // namespace qv
