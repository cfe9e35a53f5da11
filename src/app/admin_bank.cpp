#include "app/admin_commands.h"

#include "login/bank_check.h"
#include "login/bank_json.h"
#include "login/bank_source.h"
#include "login/question_bank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace qv::admin {
namespace {

void writeOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

std::vector<BankRecord> readSource(const QString& source) {
    const QFileInfo info(source);
    if (info.isDir()) return readBankSource(source);
    QFile file(source);
    if (!info.exists() || !file.open(QIODevice::ReadOnly)) {
        throw BankSourceError(QStringLiteral("cannot read ") + source);
    }
    try {
        return recordsFromJson(file.readAll());
    } catch (const BankSourceError& error) {
        throw BankSourceError(source + QStringLiteral(": ") + error.message());
    }
}

// The bank is written only after the whole source has been read.
int build(const QString& source, const QString& out) {
    writeBank(out, readSource(source));
    return 0;
}

int dump(const QString& bankPath) {
    const auto bank = openBankFile(bankPath);
    writeOut(recordsToJson(readAllRecords(*bank)));
    return 0;
}

int count(const QString& bankPath) {
    const auto bank = openBankFile(bankPath);
    writeOut(QByteArray::number(querySetCount(*bank)) + '\n');
    return 0;
}

int check(const QString& bankPath) {
    const auto bank = openBankFile(bankPath);
    const QString img = QFileInfo(bankPath).absoluteDir().filePath(QStringLiteral("img"));
    const std::vector<BankFinding> findings = checkBank(readAllRecords(*bank), img);
    for (const BankFinding& finding : findings) writeOut(finding.line().toUtf8() + '\n');
    return findings.empty() ? 0 : 1;
}

}  // namespace

int bankCommand(const QStringList& args) {
    const QString sub = args.value(0);
    const qsizetype wanted = sub == QStringLiteral("build") ? 3 : 2;
    const bool known = sub == QStringLiteral("build") || sub == QStringLiteral("dump") ||
                       sub == QStringLiteral("count") || sub == QStringLiteral("check");
    if (!known) {
        return fail(QStringLiteral("bank: unknown sub-command \"") + sub +
                    QStringLiteral("\" (build, dump, count or check)"));
    }
    if (args.size() != wanted) {
        return fail(QStringLiteral("bank ") + sub + QStringLiteral(": usage: bank ") + sub +
                    (wanted == 3 ? QStringLiteral(" SOURCE OUT") : QStringLiteral(" BANK")));
    }
    try {
        if (sub == QStringLiteral("build")) return build(args.at(1), args.at(2));
        if (sub == QStringLiteral("dump")) return dump(args.at(1));
        if (sub == QStringLiteral("count")) return count(args.at(1));
        return check(args.at(1));
    } catch (const BankError& error) {
        // One line, whatever the message quotes.
        QString message = error.message();
        message.replace(u'\r', u' ').replace(u'\n', u' ');
        return fail(QStringLiteral("bank ") + sub + QStringLiteral(": ") + message);
    }
}

}  // namespace qv::admin
