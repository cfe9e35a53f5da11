#include "bank_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>
#include <limits>

namespace qv {
namespace {

void appendJsonString(QByteArray& out, const QString& text) {
    out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    out += "\\u00";
                    out += QByteArray::number(static_cast<unsigned char>(c), 16)
                               .rightJustified(2, '0');
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

QString recordName(qsizetype index) {
    return QStringLiteral("record %1").arg(index + 1);
}

int keyFromJson(const QJsonValue& value, qsizetype index) {
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number ||
        number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
        throw BankSourceError(recordName(index) + QStringLiteral(": \"") + kKeyField +
                              QStringLiteral("\" must be an integer"));
    }
    return static_cast<int>(number);
}

BankRecord recordFromJson(const QJsonValue& value, qsizetype index) {
    if (!value.isObject()) {
        throw BankSourceError(recordName(index) + QStringLiteral(" is not a JSON object"));
    }
    const QJsonObject object = value.toObject();
    if (!object.contains(kKeyField)) {
        throw BankSourceError(recordName(index) + QStringLiteral(" has no \"") + kKeyField +
                              QStringLiteral("\""));
    }
    BankRecord record;
    record.key = keyFromJson(object.value(kKeyField), index);
    for (const QString& field : bankTextFields()) record.fields[field] = std::nullopt;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key() == kKeyField) continue;
        const QString where = recordName(index) + QStringLiteral(" (") + kKeyField +
                              QStringLiteral(" %1)").arg(record.key);
        if (!bankTextFields().contains(it.key())) {
            throw BankSourceError(where + QStringLiteral(": unknown field \"") + it.key() +
                                  QStringLiteral("\""));
        }
        if (it.value().isString()) {
            record.fields[it.key()] = it.value().toString();
        } else if (!it.value().isNull()) {
            throw BankSourceError(where + QStringLiteral(": \"") + it.key() +
                                  QStringLiteral("\" must be a string or null"));
        }
    }
    return record;
}

}  // namespace

QByteArray recordsToJson(const std::vector<BankRecord>& records) {
    if (records.empty()) return QByteArrayLiteral("[]\n");
    QByteArray out = "[\n";
    for (size_t i = 0; i < records.size(); ++i) {
        const BankRecord& record = records[i];
        out += "  {\n    ";
        appendJsonString(out, kKeyField);
        out += ": " + QByteArray::number(record.key);
        for (const QString& field : bankTextFields()) {
            out += ",\n    ";
            appendJsonString(out, field);
            out += ": ";
            if (record.isNull(field)) {
                out += "null";
            } else {
                appendJsonString(out, record.text(field));
            }
        }
        out += i + 1 < records.size() ? "\n  },\n" : "\n  }\n";
    }
    out += "]\n";
    return out;
}

std::vector<BankRecord> recordsFromJson(const QByteArray& utf8) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(utf8, &error);
    if (error.error != QJsonParseError::NoError) {
        throw BankSourceError(QStringLiteral("not valid JSON at byte %1: %2")
                                  .arg(error.offset)
                                  .arg(error.errorString()));
    }
    if (!document.isArray()) {
        throw BankSourceError(QStringLiteral("the JSON text is not an array of records"));
    }
    const QJsonArray array = document.array();
    std::vector<BankRecord> records;
    records.reserve(static_cast<size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) records.push_back(recordFromJson(array.at(i), i));
    return records;
}

}  // namespace qv
