#include "admin_process.h"
#include "grading_fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qv::test {
namespace {

class AdminGradeTest : public GradingTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo(adminProgram()).isExecutable())
            << "build quorvane-admin first: " << adminProgram().toStdString();
        // Set 1: item 1 wants a form with "caption", item 3 a result "6".
        useBank({{.item = 1, .checkData = "caption$"},
                 {.item = 2},
                 {.item = 3, .type = "C", .expected = "6#"},
                 {.item = 4},
                 {.item = 5, .type = "T", .expected = "a\r\nb"}});
        bankPath_ = drive_.root() + QStringLiteral("/vb9708.mdb");
    }

    QString bankPath_;
};

TEST_F(AdminGradeTest, PlainOutputIsTheRowsThenTheMessages) {
    writeStudentFile(QStringLiteral("sjt1.frm"), "Caption x");
    writeStudentFile(QStringLiteral("sjt2.frm"), "x");
    writeStudentFile(QStringLiteral("sjt3.frm"), "x");
    writeStudentFile(QStringLiteral("out.txt"), "6");
    const AdminRun run = runAdmin({"grade", "--bank", bankPath_, "--set", "1", "--dir", folder()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              QStringLiteral("一、1   15      15      基本操作\n"
                             "一、2   15      15      基本操作\n"
                             "二、1   20      20      简单应用\n"
                             "二、2   20       0      简单应用\n"
                             "三、1   30       0      综合应用\n"
                             "总分   100      50      第1套题\n"
                             "\r\n   第二(2)题 信息:\r\n\r\n     考生没有生成文件sjt4.frm!\r\n"
                             "\r\n   第 三  题 信息:\r\n\r\n     out.txt程序结果有错误!"
                             "\r\n     考生没有生成文件sjt5.frm!\r\n"));
}

TEST_F(AdminGradeTest, JsonCarriesScoresMaximaNotesAndRows) {
    writeStudentFile(QStringLiteral("sjt1.frm"), "Begin");
    const AdminRun run =
        runAdmin({"grade", "--bank", bankPath_, "--set", "1", "--dir", folder(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    EXPECT_EQ(report.value("set").toInt(), 1);
    EXPECT_EQ(report.value("total").toInt(), 8);
    const QJsonArray items = report.value("items").toArray();
    ASSERT_EQ(items.size(), 5);
    const int maxima[] = {15, 15, 20, 20, 30};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(items[i].toObject().value("item").toInt(), i + 1);
        EXPECT_EQ(items[i].toObject().value("max").toInt(), maxima[i]);
    }
    // "caption" missing, the empty final segment found: half of 15, rounded to the even 8.
    EXPECT_EQ(items[0].toObject().value("score").toInt(), 8);
    EXPECT_EQ(items[0].toObject().value("notes").toString(),
              QStringLiteral("\r\n     文件sjt1.frm设计有误或者还有其它答案(供参考)!"
                             "\r\n     题目要求...caption..."));
    EXPECT_EQ(items[2].toObject().value("notes").toString(),
              QStringLiteral("\r\n     未生成文件 out.txt!\r\n     考生没有生成文件sjt3.frm!"));
    const QJsonArray rows = report.value("rows").toArray();
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0].toString(), QStringLiteral("一、1   15       8      基本操作"));
    EXPECT_EQ(rows[5].toString(), QStringLiteral("总分   100       8      第1套题"));
}

TEST_F(AdminGradeTest, GradeAllListsEveryFolderEndingInASetNumber) {
    const QString root = drive_.root() + QStringLiteral("/lab");
    const auto write = [&](const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    // Folders come in name order; "," sorts before the digits.
    write(root + "/27010001/sjt1.frm", "caption");
    write(root + "/27010001/sjt2.frm", "x");
    write(root + "/2701,9001/sjt2.frm", "x");
    write(root + "/27012002/sjt2.frm", "x");  // set 2 is not in the bank
    write(root + "/notes/sjt2.frm", "x");
    write(root + "/28000001.txt", "not a folder");
    const AdminRun run = runAdmin({"grade-all", "--bank", bankPath_, "--root", root});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("folder,set,item1,item2,item3,item4,item5,total\n"
                                      "\"2701,9001\",1,0,15,0,0,0,15\n"
                                      "27010001,1,15,15,0,0,0,30\n"
                                      "27012002,2,0,0,0,0,0,0\n"));
}

TEST_F(AdminGradeTest, BadArgumentsFailWithOneLine) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"grade", "--bank", bankPath_, "--dir", folder()}, "grade: missing --set"},
        {{"grade", "--bank", bankPath_, "--set", "x", "--dir", folder()},
         "grade: --set needs a set number from 1 to 32767"},
        {{"grade", "--bank", bankPath_, "--set", "1", "--dir", folder() + "/none"},
         "grade: no such folder: "},
        {{"grade", "--bank", folder() + "/none.mdb", "--set", "1", "--dir", drive_.root()},
         "grade: question bank not found: "},
        {{"grade-all", "--bank", bankPath_, "--root", folder(), "--json"},
         "grade-all: unexpected argument: --json"},
        {{"grade-all", "--bank", bankPath_, "--root"}, "grade-all: --root needs a value"},
    };
    for (const auto& [args, message] : cases) {
        const AdminRun run = runAdmin(args);
        EXPECT_EQ(run.exitCode, 1) << message;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("quorvane-admin: ") + message))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count(QChar('\n')), 1) << run.err.toStdString();
        EXPECT_EQ(run.out, QString()) << message;
    }
}

}  // namespace
}  // namespace qv::test
