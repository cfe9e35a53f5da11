// Grading one paper: five items against a bank on disk, form files of a realistic size.
#include "grading/paper_grading.h"
#include "login/question_bank.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

qv::BankRecord item(int key, const QString& type, const QString& data, const QString& expected) {
    qv::BankRecord record;
    record.key = key;
    record.fields[QStringLiteral("类型")] = type;
    record.fields[QStringLiteral("vbp文件")] = QStringLiteral("A");
    record.fields[QStringLiteral("数据")] = data;
    record.fields[QStringLiteral("答文out")] = QStringLiteral("out%1.txt").arg(key % 100);
    record.fields[QStringLiteral("其它答文")] = expected;
    return record;
}

// A form file of about 40 controls, as the IDE writes them.
QByteArray formFile() {
    QByteArray text = "VERSION 5.00\r\nBegin VB.Form Form1\r\n   Caption         =   \"Form1\"\r\n";
    for (int i = 0; i < 40; ++i) {
        text += "   Begin VB.CommandButton Command" + QByteArray::number(i) +
                "\r\n      Caption         =   \"OK\"\r\n      Height          =   495\r\n"
                "      Left            =   360\r\n      TabIndex        =   0\r\n"
                "      Top             =   240\r\n      Width           =   1215\r\n   End\r\n";
    }
    return text + "End\r\nAttribute VB_Name = \"Form1\"\r\n";
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

void BM_GradeOnePaper(benchmark::State& state) {
    QTemporaryDir temp;
    const QString data = QStringLiteral(
        "command39$caption         =   \"ok\"$left            =   "
        "360#begin vb.form form1#width           =   1215$");
    QString lines;
    for (int i = 1; i <= 20; ++i) lines += QStringLiteral("line %1\r\n").arg(i);
    qv::writeBank(
        temp.filePath(QStringLiteral("bank.mdb")),
        {item(101, QString(), data, QString()), item(102, QString(), data, QString()),
         item(103, QStringLiteral("C"), data, QStringLiteral("5050#")),
         item(104, QStringLiteral("T"), data, lines), item(105, QStringLiteral("T"), data, lines)});
    const auto bank = qv::openBankFile(temp.filePath(QStringLiteral("bank.mdb")));
    const QString dir = temp.filePath(QStringLiteral("paper"));
    QDir().mkpath(dir);
    for (int i = 1; i <= 5; ++i) writeFile(dir + QStringLiteral("/sjt%1.frm").arg(i), formFile());
    writeFile(dir + QStringLiteral("/out3.txt"), "5050\r\n");
    writeFile(dir + QStringLiteral("/out4.txt"), lines.toLatin1());
    writeFile(dir + QStringLiteral("/out5.txt"), lines.toLatin1());
    std::array<QString, 6> notes;
    for (auto _ : state) {
        const qv::PaperGrade grade = qv::gradePaper(qv::GradingContext{1, dir, *bank, notes});
        benchmark::DoNotOptimize(grade.total);
    }
}
BENCHMARK(BM_GradeOnePaper)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
