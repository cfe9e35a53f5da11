#include "login/bank_json.h"

#include "login/bank_test_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::makeRecord;

// Records that stress the escaping: quotes, backslashes, line ends, control characters,
// characters outside the basic plane, empty texts next to fields without value; keys out of
// order.
std::vector<BankRecord> awkwardRecords() {
    return {
        makeRecord(2305, {{QStringLiteral("题面"), QStringLiteral("{\\rtf1 \\'cb\\'ce}\r\n")},
                          {QStringLiteral("类型"), QString()},
                          {QStringLiteral("数据"), QStringLiteral("Caption = \"确定\"$x#")},
                          {QStringLiteral("其它答文"), QStringLiteral("1\r\n2\t3\x01\n😀")}}),
        makeRecord(101, {{QStringLiteral("答文frm"), QStringLiteral("VERSION 5.00\r\n")}}),
        makeRecord(-7),
    };
}

TEST(BankJsonTest, RoundTripKeepsRecordsAndOrder) {
    const std::vector<BankRecord> records = awkwardRecords();
    EXPECT_EQ(recordsFromJson(recordsToJson(records)), records);
    EXPECT_TRUE(recordsFromJson(recordsToJson({})).empty());

    // And through a bank file: what is dumped from a built bank builds the same bank again.
    QTemporaryDir dir;
    const QString path = dir.filePath(kBankFileName);
    writeBank(path, records);
    const QByteArray dumped = recordsToJson(readAllRecords(*openBankFile(path)));
    EXPECT_EQ(dumped, recordsToJson(records));
    writeBank(path, recordsFromJson(dumped));
    EXPECT_EQ(readAllRecords(*openBankFile(path)), records);
}

TEST(BankJsonTest, OutputIsUtf8ArrayWithEveryFieldKeyFirst) {
    const QByteArray json = recordsToJson(awkwardRecords());
    EXPECT_TRUE(json.contains("\"题号\": 2305,\n    \"题面\": "));
    EXPECT_TRUE(json.contains("确定"));  // raw UTF-8, not \u escapes
    EXPECT_TRUE(json.contains("\\u0001"));
    const QJsonDocument document = QJsonDocument::fromJson(json);
    ASSERT_TRUE(document.isArray());
    const QJsonObject first = document.array().at(0).toObject();
    EXPECT_EQ(first.size(), 1 + bankTextFields().size());
    EXPECT_TRUE(first.value(QStringLiteral("vbp文件")).isNull());
    EXPECT_EQ(first.value(QStringLiteral("类型")).toString(), QString());
    EXPECT_TRUE(first.value(QStringLiteral("类型")).isString());
    EXPECT_EQ(document.array().at(1).toObject().value(QStringLiteral("题号")).toInt(), 101);
}

TEST(BankJsonTest, MissingKeyCountsAsNull) {
    const auto records = recordsFromJson(R"([{"题号": 101, "类型": "C"}, {"题号": 102}])");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], makeRecord(101, {{QStringLiteral("类型"), QStringLiteral("C")}}));
    EXPECT_EQ(records[1], makeRecord(102));
}

TEST(BankJsonTest, MalformedInputIsRefusedNamingTheRecord) {
    struct Case {
        const char* json;
        const char* message;
    };
    const Case cases[] = {
        {R"([{"题号": 101},)", "not valid JSON"},
        {R"({"题号": 101})", "not an array"},
        {R"([{"题号": 101}, 5])", "record 2 is not a JSON object"},
        {R"([{"类型": "C"}])", "record 1 has no \"题号\""},
        {R"([{"题号": "101"}])", "record 1: \"题号\" must be an integer"},
        {R"([{"题号": 101.5}])", "record 1: \"题号\" must be an integer"},
        {R"([{"题号": 1e12}])", "record 1: \"题号\" must be an integer"},
        {R"([{"题号": 101}, {"题号": 102, "其他答文": "0"}])",
         "record 2 (题号 102): unknown field \"其他答文\""},
        {R"([{"题号": 101, "数据": 5}])", "record 1 (题号 101): \"数据\" must be a string or null"},
        {R"([{"题号": 101, "数据": ["a"]}])", "\"数据\" must be a string or null"},
        {"[{\"题号\": 101, \"数据\": \"\xff\"}]", "not valid JSON"},
    };
    for (const Case& c : cases) {
        try {
            recordsFromJson(QByteArray(c.json));
            ADD_FAILURE() << "accepted " << c.json;
        } catch (const BankSourceError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.message)))
                << c.json << " -> " << error.what();
        }
    }
}

}  // namespace
}  // namespace qv
