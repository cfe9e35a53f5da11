#pragma once

#include "login/question_bank.h"

#include <QByteArray>

#include <vector>

namespace qv {

// The interchange form of a bank: a UTF-8 JSON array of objects in stored order, each with
// "题号" (an integer) and the text fields as strings or null.

// Every field is written, in the table's column order, null where the record has no value.
QByteArray recordsToJson(const std::vector<BankRecord>& records);

// A missing key reads as null. Throws BankSourceError naming the record and key at fault (not
// JSON, not an array, a record that is not an object, a 题号 that is not an integer, an unknown
// key, a value that is neither a string nor null).
std::vector<BankRecord> recordsFromJson(const QByteArray& utf8);

}  // namespace qv
