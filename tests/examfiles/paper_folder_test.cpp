#include "examfiles/paper_folder.h"
#include "exam_files_fixture.h"
#include "platform/file_error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

using namespace Qt::Literals::StringLiterals;

namespace qv::test {
namespace {

const QString kGolden = QStringLiteral(QV_SOURCE_DIR "/tests/examfiles/golden");

// The records of the golden set: bank.json holds one object per record; null means no value.
std::vector<BankRecord> goldenRecords() {
    QFile file(kGolden + u"/bank.json"_s);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<BankRecord> records;
    for (const QJsonValue& value :
         QJsonDocument::fromJson(file.readAll())[u"records"_s].toArray()) {
        BankRecord r;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() == kKeyField) {
                r.key = it.value().toInt();
            } else if (it.value().isNull()) {
                r.fields[it.key()] = std::nullopt;
            } else {
                r.fields[it.key()] = it.value().toString();
            }
        }
        records.push_back(r);
    }
    return records;
}

// A bank file with the pictures in the folder img beside it, as the admin tool expects.
class PaperFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        bankPath = work.filePath(u"bank/vb9708.mdb"_s);
        QDir().mkpath(work.filePath(u"bank/img"_s));
        for (const QString& name : QDir(kGolden + u"/img"_s).entryList(QDir::Files)) {
            QFile::copy(kGolden + u"/img/"_s + name, work.filePath(u"bank/img/"_s) + name);
        }
    }
    void useBank(const std::vector<BankRecord>& records) {
        writeBank(bankPath, records);
        bank = openBankFile(bankPath);
    }
    QString images() const { return work.filePath(u"bank/img"_s); }
    QString dir(const QString& name) const { return work.filePath(name); }

    QTemporaryDir work;
    QString bankPath;
    std::unique_ptr<Connection> bank;
};

void expectSameTree(const QString& actualDir, const QString& goldenDir) {
    const auto actual = snapshot(actualDir);
    const auto golden = snapshot(goldenDir);
    EXPECT_EQ(actual.keys(), golden.keys());
    for (auto it = golden.begin(); it != golden.end(); ++it) {
        EXPECT_EQ(actual.value(it.key()), it.value()) << it.key().toStdString();
    }
}

TEST_F(PaperFolder, GoldenSetExamFilesAndAnswers) {
    useBank(goldenRecords());
    const QString out = dir(u"paper"_s);
    writePaperFolder(*bank, 1, out, images());
    expectSameTree(out, kGolden + u"/set01/exam"_s);
    writePaperAnswers(*bank, 1, out, images());
    expectSameTree(out, kGolden + u"/set01/answers"_s);
}

TEST_F(PaperFolder, WriteMakesTheFolderTheBackupAndTheTimeFile) {
    useBank({record(101, {{"in文件", u"in5.txt"_s}}), record(102, {}), record(103, {}),
             record(104, {}), record(105, {})});
    const QString out = dir(u"a/b/paper"_s);
    writePaperFolder(*bank, 1, out, images());
    EXPECT_EQ(snapshot(out).keys(),
              (QStringList{u"WARN/"_s, u"WARN/in5.txt"_s, u"in5.txt"_s, u"tovo.tim"_s}));
    EXPECT_EQ(snapshot(out).value(u"tovo.tim"_s), " 5400 \r\n");
}

TEST_F(PaperFolder, WriteRefusesAFolderThatIsNotEmptyAndDeletesNothing) {
    useBank({record(101, {{"in文件", u"in5.txt"_s}})});
    const QString out = dir(u"used"_s);
    QDir().mkpath(out);
    QFile hidden(out + u"/.keep"_s);
    ASSERT_TRUE(hidden.open(QIODevice::WriteOnly));
    hidden.write("mine");
    hidden.close();
    EXPECT_THROW(writePaperFolder(*bank, 1, out, images()), FileError);
    EXPECT_EQ(snapshot(out).keys(), QStringList{u".keep"_s});

    QFile plain(dir(u"plain.txt"_s));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_THROW(writePaperFolder(*bank, 1, dir(u"plain.txt"_s), images()), FileError);
}

TEST_F(PaperFolder, AFailingItemKeepsTheEarlierItemsAndWritesNoTimeFile) {
    useBank({record(101, {{"in文件", u"in5.txt"_s}}),
             record(102, {{"bas文件", u"prog.bas"_s}, {"图片文件", u"nowhere.bmp/p.bmp"_s}}),
             record(103, {{"in文件", u"in.txt"_s}})});
    const QString out = dir(u"paper"_s);
    try {
        writePaperFolder(*bank, 1, out, images());
        FAIL() << "no error";
    } catch (const ExamFileError& error) {
        EXPECT_EQ(error.item(), 2);
        EXPECT_EQ(error.field(), u"图片文件"_s);
        EXPECT_EQ(error.path(), QDir::cleanPath(images()) + u"/nowhere.bmp"_s);
    }
    EXPECT_EQ(snapshot(out).keys(), (QStringList{u"WARN/"_s, u"WARN/in5.txt"_s, u"WARN/prog.bas"_s,
                                                 u"in5.txt"_s, u"prog.bas"_s}));
}

TEST_F(PaperFolder, AnswersNeedAnExistingFolder) {
    useBank({record(101, {{"答文frm", u"x"_s}})});
    EXPECT_THROW(writePaperAnswers(*bank, 1, dir(u"missing"_s), images()), FileError);
    EXPECT_FALSE(QFileInfo::exists(dir(u"missing"_s)));
}

// The command itself, when it has been built beside the tests.
class PaperCommand : public PaperFolder {
  protected:
    void SetUp() override {
        PaperFolder::SetUp();
        program = QStringLiteral(QV_BINARY_DIR "/src/app/quorvane-admin");
        if (!QFileInfo(program).isExecutable()) GTEST_SKIP() << "quorvane-admin not built";
    }
    int run(const QStringList& args) {
        QProcess process;
        process.start(program, QStringList{u"paper"_s} + args);
        EXPECT_TRUE(process.waitForFinished(60000));
        standardError = process.readAllStandardError();
        return process.exitCode();
    }
    QString program;
    QByteArray standardError;
};

TEST_F(PaperCommand, WritesAndAnswersTheGoldenSet) {
    useBank(goldenRecords());
    bank.reset();
    const QString out = dir(u"paper"_s);
    const QStringList options{u"--bank"_s, bankPath, u"--set"_s, u"1"_s, u"--dir"_s, out};
    ASSERT_EQ(run(QStringList{u"write"_s} + options), 0) << standardError.constData();
    expectSameTree(out, kGolden + u"/set01/exam"_s);
    EXPECT_EQ(run(QStringList{u"write"_s} + options), 1);  // no longer empty
    EXPECT_TRUE(standardError.startsWith("quorvane-admin: "));
    ASSERT_EQ(run(QStringList{u"answers"_s} + options), 0) << standardError.constData();
    expectSameTree(out, kGolden + u"/set01/answers"_s);
}

TEST_F(PaperCommand, FailuresAreOneLineAndStatusOne) {
    useBank({record(101, {{"in文件", u"in5.txt"_s}}), record(102, {{"bas文件", u"..\\x.bas"_s}})});
    bank.reset();
    const QString out = dir(u"paper"_s);
    const QList<QStringList> calls{
        {u"write"_s, u"--bank"_s, bankPath, u"--set"_s, u"1"_s, u"--dir"_s, out},
        {u"answers"_s, u"--bank"_s, bankPath, u"--set"_s, u"1"_s, u"--dir"_s, dir(u"none"_s)},
        {u"write"_s, u"--bank"_s, dir(u"nobank.mdb"_s), u"--set"_s, u"1"_s, u"--dir"_s,
         dir(u"p2"_s)},
        {u"write"_s, u"--bank"_s, bankPath, u"--set"_s, u"x"_s, u"--dir"_s, dir(u"p3"_s)},
        {u"write"_s, u"--bank"_s, bankPath, u"--dir"_s, dir(u"p4"_s)},
        {u"draw"_s, u"--bank"_s, bankPath, u"--set"_s, u"1"_s, u"--dir"_s, dir(u"p5"_s)}};
    for (const QStringList& call : calls) {
        EXPECT_EQ(run(call), 1) << call.join(u' ').toStdString();
        EXPECT_EQ(standardError.count('\n'), 1) << standardError.constData();
        EXPECT_TRUE(standardError.startsWith("quorvane-admin: ")) << standardError.constData();
    }
    // The first call failed at item 2: item 1 stays, nothing of item 2 and no time file.
    EXPECT_EQ(snapshot(out).keys(), (QStringList{u"WARN/"_s, u"WARN/in5.txt"_s, u"in5.txt"_s}));
    EXPECT_FALSE(QFileInfo::exists(dir(u"none"_s)));
}

}  // namespace
}  // namespace qv::test
