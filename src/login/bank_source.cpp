#include "bank_source.h"

#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QStringDecoder>

#include <map>

namespace qv {
namespace {

const QString kItemJson = QStringLiteral("item.json");
const QString kStatementFile = QStringLiteral("题面.txt");

// Fields that may come from a file of their own, and that file's name.
const std::map<QString, QString>& fieldFiles() {
    static const std::map<QString, QString> files = {
        {QStringLiteral("frm文件"), QStringLiteral("frm文件.frm")},
        {QStringLiteral("答文frm"), QStringLiteral("答文frm.frm")},
        {QStringLiteral("其它文件"), QStringLiteral("其它文件.txt")},
        {QStringLiteral("其它答文"), QStringLiteral("其它答文.txt")}};
    return files;
}

// What a field holds when neither item.json nor a file gives it.
std::optional<QString> defaultValue(const QString& field) {
    if (field == QStringLiteral("类型") || field == QStringLiteral("数据")) return QString();
    if (field == QStringLiteral("答文frm")) return std::nullopt;  // required
    return QStringLiteral("0");
}

QString readUtf8File(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw BankSourceError(QStringLiteral("cannot read ") + path);
    }
    QStringDecoder decoder(QStringConverter::Utf8);  // skips a leading byte-order mark
    const QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) throw BankSourceError(path + QStringLiteral(": not valid UTF-8"));
    return text;
}

QString hexEscapes(const QByteArray& bytes) {
    QString out;
    for (const char byte : bytes) {
        out += QStringLiteral("\\'") +
               QString::number(static_cast<unsigned char>(byte), 16).rightJustified(2, u'0');
    }
    return out;
}

// A run of non-ASCII characters as code-page-936 escapes; every byte is escaped, trail bytes
// in the ASCII range included, so a trail byte can never read as "\" or a brace.
QString escapeNonAscii(const QString& run, int lineNo) {
    const QByteArray bytes = toAnsi(run);
    if (fromAnsi(bytes) != run) {
        throw BankSourceError(QStringLiteral("line %1: \"%2\" cannot be written in code page 936")
                                  .arg(lineNo)
                                  .arg(run));
    }
    return hexEscapes(bytes);
}

QString paragraphToRtf(const QString& line, int lineNo) {
    QString out;
    QString run;  // pending non-ASCII characters
    bool bold = false;
    auto flush = [&] {
        if (!run.isEmpty()) out += escapeNonAscii(run, lineNo);
        run.clear();
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c.unicode() >= 0x80) {
            run += c;
            continue;
        }
        flush();
        if (c == u'*' && i + 1 < line.size() && line.at(i + 1) == u'*') {
            out += bold ? QStringLiteral("\\b0 ") : QStringLiteral("\\b ");
            bold = !bold;
            ++i;
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            out += u'\\';
            out += c;
        } else if (c == u'\t') {
            out += QStringLiteral("\\tab ");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            throw BankSourceError(QStringLiteral("line %1: control character U+%2")
                                      .arg(lineNo)
                                      .arg(c.unicode(), 4, 16, QChar(u'0')));
        } else {
            out += c;
        }
    }
    flush();
    if (bold) throw BankSourceError(QStringLiteral("line %1: \"**\" is not closed").arg(lineNo));
    return out;
}

QJsonObject readItemJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankSourceError(QStringLiteral("cannot read ") + path);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        throw BankSourceError(path + QStringLiteral(": not valid JSON at byte %1: %2")
                                         .arg(error.offset)
                                         .arg(error.errorString()));
    }
    if (!document.isObject()) throw BankSourceError(path + QStringLiteral(": not a JSON object"));
    return document.object();
}

void takeItemJson(BankRecord& record, const QString& path) {
    const QJsonObject object = readItemJson(path);
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString& field = it.key();
        if (field == QStringLiteral("题面")) {
            throw BankSourceError(path + QStringLiteral(": the statement belongs in ") +
                                  kStatementFile);
        }
        if (!bankTextFields().contains(field)) {
            throw BankSourceError(path + QStringLiteral(": unknown field \"") + field +
                                  QStringLiteral("\""));
        }
        if (it.value().isString()) {
            record.fields[field] = it.value().toString();
        } else if (it.value().isNull()) {
            record.fields[field] = std::nullopt;
        } else {
            throw BankSourceError(path + QStringLiteral(": \"") + field +
                                  QStringLiteral("\" must be a string or null"));
        }
    }
}

BankRecord readItem(const QString& folder, int key) {
    const QDir dir(folder);
    QStringList known = {kItemJson, kStatementFile};
    for (const auto& [field, file] : fieldFiles()) known << file;
    for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (!entry.isFile() || !known.contains(entry.fileName())) {
            throw BankSourceError(entry.filePath() + QStringLiteral(": unknown file"));
        }
    }
    BankRecord record;
    record.key = key;
    if (dir.exists(kItemJson)) takeItemJson(record, dir.filePath(kItemJson));
    for (const auto& [field, file] : fieldFiles()) {
        if (!dir.exists(file)) continue;
        if (record.fields.count(field) != 0) {
            throw BankSourceError(dir.filePath(file) + QStringLiteral(": \"") + field +
                                  QStringLiteral("\" is also given in ") + kItemJson);
        }
        record.fields[field] = sourceFieldText(readUtf8File(dir.filePath(file)));
    }
    if (record.fields.count(QStringLiteral("答文frm")) == 0) {
        throw BankSourceError(dir.filePath(fieldFiles().at(QStringLiteral("答文frm"))) +
                              QStringLiteral(": missing (every item needs a reference answer)"));
    }
    const QString statementPath = dir.filePath(kStatementFile);
    if (!dir.exists(kStatementFile))
        throw BankSourceError(statementPath + QStringLiteral(": missing"));
    try {
        record.fields[QStringLiteral("题面")] = statementToRtf(readUtf8File(statementPath));
    } catch (const BankSourceError& error) {
        throw BankSourceError(statementPath + QStringLiteral(": ") + error.message());
    }
    for (const QString& field : bankTextFields()) {
        if (record.fields.count(field) == 0) record.fields[field] = defaultValue(field);
    }
    return record;
}

// Sub-folders named prefix + number, ascending by number; anything else is refused.
std::map<int, QString> numberedFolders(const QString& folder, const QRegularExpression& pattern,
                                       bool refuseFiles) {
    std::map<int, QString> found;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (!entry.isDir() && !refuseFiles) continue;
        const QRegularExpressionMatch match = pattern.match(entry.fileName());
        if (!entry.isDir() || !match.hasMatch()) {
            throw BankSourceError(
                entry.filePath() + QStringLiteral(": unknown ") +
                (entry.isDir() ? QStringLiteral("folder") : QStringLiteral("file")));
        }
        const int number = match.captured(1).toInt();
        if (!found.emplace(number, entry.filePath()).second) {
            throw BankSourceError(entry.filePath() + QStringLiteral(": number given twice"));
        }
    }
    return found;
}

}  // namespace

QString sourceFieldText(const QString& fileText) {
    QString text = fileText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n')) text.chop(1);
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

QString statementToRtf(const QString& markup) {
    const QString crlf = QStringLiteral("\r\n");
    QString rtf = QStringLiteral(
                      "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
                      "{\\fonttbl{\\f0\\fnil\\fcharset134 ") +
                  hexEscapes(toAnsi(QStringLiteral("宋体"))) + QStringLiteral(";}}") + crlf +
                  QStringLiteral("\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 ");
    const QString text = sourceFieldText(markup);
    if (!markup.isEmpty()) {
        const QStringList lines = text.split(crlf);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            rtf += paragraphToRtf(lines.at(i), static_cast<int>(i + 1)) + QStringLiteral("\\par") +
                   crlf;
        }
    }
    return rtf + QStringLiteral("}") + crlf;
}

std::vector<BankRecord> readBankSource(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        throw BankSourceError(QStringLiteral("no such folder: ") + folder);
    static const QRegularExpression setPattern(QStringLiteral("^set(\\d{2,3})$"));
    static const QRegularExpression itemPattern(QStringLiteral("^item([1-5])$"));
    const std::map<int, QString> sets = numberedFolders(folder, setPattern, false);
    if (sets.empty()) {
        throw BankSourceError(folder + QStringLiteral(": no set folders (set01, set02, ...)"));
    }
    std::vector<BankRecord> records;
    for (const auto& [set, setFolder] : sets) {
        for (const auto& [item, itemFolder] : numberedFolders(setFolder, itemPattern, true)) {
            records.push_back(readItem(itemFolder, set * 100 + item));
        }
    }
    return records;
}

}  // namespace qv
