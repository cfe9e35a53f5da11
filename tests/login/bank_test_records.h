#pragma once

#include "login/question_bank.h"

#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace qv::test {

// A record with the given fields; every other text field is without value.
inline BankRecord makeRecord(
    int key, std::initializer_list<std::pair<QString, std::optional<QString>>> fields = {}) {
    BankRecord record;
    record.key = key;
    for (const QString& field : bankTextFields()) record.fields[field] = std::nullopt;
    for (const auto& [field, value] : fields) record.fields[field] = value;
    return record;
}

inline std::vector<BankRecord> recordsWithKeys(std::initializer_list<int> keys) {
    std::vector<BankRecord> records;
    for (const int key : keys) {
        records.push_back(makeRecord(key, {{QStringLiteral("题面"), QString::number(key)}}));
    }
    return records;
}

}  // namespace qv::test
