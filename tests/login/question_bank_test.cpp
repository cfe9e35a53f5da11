#include "login/question_bank.h"

#include "login/bank_test_records.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::makeRecord;
using test::recordsWithKeys;

class QuestionBankTest : public ::testing::Test {
  protected:
    QString path(const QString& name = kBankFileName) const { return dir_.filePath(name); }

    std::unique_ptr<Connection> bankWith(const std::vector<BankRecord>& records) {
        writeBank(path(), records);
        return openBankFile(path());
    }

    // A plain SQLite file, as a viewer would write it: SQLCipher attaches a file with an empty
    // key without encryption.
    QString makePlainDatabase(const QString& name, const QString& table) {
        Connection scratch;
        scratch.open(path(QStringLiteral("scratch.db")), QStringLiteral("scratch"), true);
        scratch.execute(QStringLiteral("attach database '") + path(name) +
                        QStringLiteral("' as plain key ''"));
        scratch.execute(QStringLiteral("create table plain.") + table +
                        QStringLiteral(" (题号 integer)"));
        scratch.execute(QStringLiteral("insert into plain.") + table +
                        QStringLiteral(" values (101)"));
        return path(name);
    }

    static QByteArray head(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.read(16) : QByteArray();
    }

    QTemporaryDir dir_;
};

const QByteArray kPlainHeader("SQLite format 3\0", 16);

TEST_F(QuestionBankTest, SetCountTakesLastStoredRecordNotHighestKey) {
    struct Case {
        std::initializer_list<int> keys;
        int16_t count;
    };
    const Case cases[] = {
        {{101, 102, 103, 104, 105, 2301, 2302, 2303, 2304, 2305}, 23},  // sets 2..22 missing
        {{2401, 101, 2305}, 23},                                        // stored order decides
        {{2305, 101}, 1},
        {{99}, 0},
    };
    for (const Case& c : cases) {
        auto bank = bankWith(recordsWithKeys(c.keys));
        EXPECT_EQ(querySetCount(*bank), c.count) << "first key " << *c.keys.begin();
    }
}

TEST_F(QuestionBankTest, KeyAndPartsQueriesSelectTheSameRecord) {
    // Neighbours that a wrong division or remainder would pick instead.
    auto bank = bankWith(recordsWithKeys({4, 204, 2234, 2304, 2314, 2403, 3304, 23004}));
    RecordSet byKey = queryItem(*bank, 2304);
    RecordSet byParts = queryItemByParts(*bank, 23, 4);
    ASSERT_EQ(byKey.recordCount(), 1);
    ASSERT_EQ(byParts.recordCount(), 1);
    EXPECT_EQ(byKey.value(kKeyField).toInt(), 2304);
    EXPECT_EQ(byParts.value(kKeyField).toInt(), 2304);
    EXPECT_EQ(byKey.text(QStringLiteral("题面")), byParts.text(QStringLiteral("题面")));
    EXPECT_EQ(queryQuestionText(*bank, 2304), QStringLiteral("2304"));
    EXPECT_EQ(queryQuestionTextByParts(*bank, 23, 4), QStringLiteral("2304"));
}

TEST_F(QuestionBankTest, FieldWithoutValueReadsAsEmptyText) {
    auto bank = bankWith({makeRecord(101, {{QStringLiteral("类型"), QStringLiteral("C")}})});
    RecordSet item = queryItem(*bank, 101);
    EXPECT_EQ(item.text(QStringLiteral("类型")), QStringLiteral("C"));
    EXPECT_TRUE(item.text(QStringLiteral("答文frm")).isEmpty());
    EXPECT_TRUE(queryQuestionText(*bank, 101).isEmpty());
}

TEST_F(QuestionBankTest, BankIsEncryptedAndUnreadableWithoutItsKey) {
    writeBank(path(), recordsWithKeys({101}));
    EXPECT_NE(head(path()), kPlainHeader);
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("题面"));

    // Read as plain SQLite (no key) and with a wrong key, the file is not a database.
    Connection scratch;
    scratch.open(path(QStringLiteral("scratch.db")), QStringLiteral("scratch"), true);
    EXPECT_THROW(
        {
            scratch.execute(QStringLiteral("attach database '") + path() +
                            QStringLiteral("' as plain key ''"));
            scratch.query(QStringLiteral("select * from plain.试题"));
        },
        DatabaseError);
    Connection wrong;
    wrong.open(path(), QStringLiteral("tovirc"));
    EXPECT_THROW(wrong.verify(), DatabaseError);
}

TEST_F(QuestionBankTest, EachOpenFailureHasItsOwnError) {
    const QString missing = path(QStringLiteral("nowhere.mdb"));
    EXPECT_THROW(openBankFile(missing), BankMissingError);
    try {
        openBankFile(missing);
    } catch (const BankMissingError& error) {
        EXPECT_TRUE(error.message().contains(missing)) << error.what();
    }

    const QString text = path(QStringLiteral("text.mdb"));
    QFile textFile(text);
    ASSERT_TRUE(textFile.open(QIODevice::WriteOnly));
    textFile.write(QByteArray(4096, 'x'));
    textFile.close();
    EXPECT_THROW(openBankFile(text), BankUnreadableError);

    auto makeDatabase = [&](const QString& name, const QString& key, const QString& table) {
        Connection db;
        db.open(path(name), key, true);
        db.execute(QStringLiteral("create table ") + table + QStringLiteral(" (题号 integer)"));
        db.execute(QStringLiteral("insert into ") + table + QStringLiteral(" values (101)"));
        return path(name);
    };
    const QString plain = makePlainDatabase(QStringLiteral("plain.mdb"), kBankTable);
    ASSERT_EQ(head(plain), kPlainHeader);
    EXPECT_THROW(openBankFile(plain), BankUnreadableError);
    EXPECT_THROW(openBankFile(makeDatabase(QStringLiteral("other.mdb"), QStringLiteral("abcdef"),
                                           kBankTable)),
                 BankUnreadableError);
    EXPECT_THROW(openBankFile(makeDatabase(QStringLiteral("notable.mdb"), QStringLiteral("tovirk"),
                                           QStringLiteral("questions"))),
                 BankTableMissingError);
    EXPECT_NO_THROW(openBankFile(
        makeDatabase(QStringLiteral("good.mdb"), QStringLiteral("tovirk"), kBankTable)));
}

TEST_F(QuestionBankTest, EmptyTableAndMissingRecordAreReported) {
    auto empty = bankWith({});
    EXPECT_THROW(querySetCount(*empty), BankEmptyError);
    EXPECT_THROW(queryItem(*empty, 101), RecordMissingError);

    auto bank = bankWith(recordsWithKeys({2301, 2302, 2303, 2305}));
    auto expectMissing = [](const auto& query) {
        try {
            query();
            ADD_FAILURE() << "no error";
        } catch (const RecordMissingError& error) {
            EXPECT_EQ(error.key(), 2304);
            EXPECT_TRUE(error.message().contains(QStringLiteral("2304"))) << error.what();
            EXPECT_TRUE(error.message().contains(QStringLiteral("set 23, item 4"))) << error.what();
        }
    };
    expectMissing([&] { queryItem(*bank, 2304); });
    expectMissing([&] { queryQuestionText(*bank, 2304); });
    expectMissing([&] { queryItemByParts(*bank, 23, 4); });
    expectMissing([&] { queryQuestionTextByParts(*bank, 23, 4); });
}

TEST_F(QuestionBankTest, WritingReplacesAnExistingBankAndLeavesNoTemporaryFile) {
    writeBank(path(), recordsWithKeys({101, 102}));
    writeBank(path(), recordsWithKeys({2305}));
    auto bank = openBankFile(path());
    EXPECT_EQ(readAllRecords(*bank), recordsWithKeys({2305}));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{kBankFileName});

    const QString nowhere = dir_.filePath(QStringLiteral("no/such/folder/vb9708.mdb"));
    EXPECT_THROW(writeBank(nowhere, recordsWithKeys({101})), BankError);
    EXPECT_FALSE(QFile::exists(nowhere + QStringLiteral(".building")));
    EXPECT_THROW(writeBank(dir_.path(), recordsWithKeys({101})), BankError);
}

TEST_F(QuestionBankTest, OpensTheBankOfADataFolderGivenAsWindowsPath) {
    test::TempDrive drive;
    QDir().mkpath(drive.host(QStringLiteral("C:\\windows\\system32\\cwmx")));
    writeBank(drive.host(QStringLiteral("C:\\windows\\system32\\cwmx\\vb9708.mdb")),
              recordsWithKeys({101}));
    auto bank = openBankInDataDir(QStringLiteral("C:\\WINDOWS\\system32\\cwmx"));
    EXPECT_EQ(querySetCount(*bank), 1);
    EXPECT_THROW(openBankInDataDir(QStringLiteral("C:\\nowhere")), BankMissingError);
}

}  // namespace
}  // namespace qv
