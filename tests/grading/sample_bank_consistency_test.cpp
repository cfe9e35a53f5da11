#include "admin_process.h"

#include "login/question_bank.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

const QString kSampleBank = QStringLiteral(QV_DATA_DIR "/vb9708.mdb");
const int kMaxima[] = {0, 15, 15, 20, 20, 30};

struct SampleItem {
    QString type;
    QString outputName;
};

QJsonObject gradeJson(const QString& dir, int setNo) {
    const AdminRun run = runAdmin(
        {"grade", "--bank", kSampleBank, "--set", QString::number(setNo), "--dir", dir, "--json"});
    EXPECT_EQ(run.exitCode, 0) << "set " << setNo << ": " << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

void runPaper(const char* step, const QString& dir, int setNo) {
    const AdminRun run = runAdmin(
        {"paper", step, "--bank", kSampleBank, "--set", QString::number(setNo), "--dir", dir});
    ASSERT_EQ(run.exitCode, 0) << "paper " << step << ", set " << setNo << ": "
                               << run.err.toStdString();
}

// The sample bank must be gradable by its own answers: a fresh paper scores low, with the
// missing-output messages, and the reference answers score full marks in every item.
TEST(SampleBankConsistency, WrittenPaperIsLowAndAnswersScoreFullMarks) {
    if (!QFileInfo::exists(kSampleBank)) {
        GTEST_SKIP() << "the sample bank is not built yet (target sample_data): "
                     << kSampleBank.toStdString();
    }
    ASSERT_TRUE(QFileInfo(adminProgram()).isExecutable())
        << "build quorvane-admin first: " << adminProgram().toStdString();
    const std::unique_ptr<Connection> bank = openBankFile(kSampleBank);
    const int setCount = querySetCount(*bank);
    ASSERT_GT(setCount, 0);
    std::map<int, SampleItem> items;
    for (const BankRecord& record : readAllRecords(*bank)) {
        items[record.key] = {record.fields.at(QStringLiteral("类型")).value_or(QString()),
                             record.fields.at(QStringLiteral("答文out")).value_or(QString())};
    }

    for (int setNo = 1; setNo <= setCount; ++setNo) {
        SCOPED_TRACE("set " + std::to_string(setNo));
        QTemporaryDir temp;
        const QString dir = temp.path() + QStringLiteral("/paper");
        runPaper("write", dir, setNo);
        const QJsonObject written = gradeJson(dir, setNo);
        EXPECT_LT(written.value("total").toInt(100), 100);
        const QJsonArray writtenItems = written.value("items").toArray();
        ASSERT_EQ(writtenItems.size(), 5);
        for (int item = 1; item <= 5; ++item) {
            const SampleItem& sample = items[setNo * 100 + item];
            if (sample.type != "C" && sample.type != "T") continue;
            const QJsonObject graded = writtenItems[item - 1].toObject();
            // No program has run yet, so there is no output and at most the design share.
            EXPECT_TRUE(graded.value("notes").toString().contains(
                QStringLiteral("\r\n     未生成文件 ") + sample.outputName + QStringLiteral("!")))
                << "item " << item << ": " << graded.value("notes").toString().toStdString();
            EXPECT_LE(graded.value("score").toInt(), kMaxima[item] * 2 / 5) << "item " << item;
        }

        runPaper("answers", dir, setNo);
        const QJsonObject answered = gradeJson(dir, setNo);
        EXPECT_EQ(answered.value("total").toInt(), 100);
        const QJsonArray answeredItems = answered.value("items").toArray();
        ASSERT_EQ(answeredItems.size(), 5);
        for (int item = 1; item <= 5; ++item) {
            const QJsonObject graded = answeredItems[item - 1].toObject();
            EXPECT_EQ(graded.value("score").toInt(), kMaxima[item])
                << "item " << item << ": " << graded.value("notes").toString().toStdString();
            EXPECT_EQ(graded.value("notes").toString(), QString()) << "item " << item;
        }
    }
}

}  // namespace
}  // namespace qv::test
