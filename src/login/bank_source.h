#pragma once

#include "login/question_bank.h"

#include <QString>

#include <vector>

namespace qv {

// The sample bank is kept as text: folder/setNN/itemK/ with item.json, 题面.txt (statement
// markup), frm文件.frm, 答文frm.frm and optionally 其它文件.txt and 其它答文.txt. Reading it does
// not lint (that is `bank check`); it refuses only what cannot be read unambiguously.

// A source file's text as a field: every line end becomes CR LF and one final line end is
// dropped ("a\nb\n" gives "a\r\nb").
QString sourceFieldText(const QString& fileText);

// Statement markup to RichEdit-style RTF: each line is one paragraph, **text** is bold, the
// rest is literal. Non-ASCII characters become \'hh escapes in code page 936, so the result is
// pure ASCII. Throws BankSourceError ("line N: ...") for an unclosed "**", a control character
// or a character code page 936 cannot hold.
QString statementToRtf(const QString& markup);

// Every record of the source folder, sets and items in ascending order. Throws BankSourceError
// naming the file or folder at fault.
std::vector<BankRecord> readBankSource(const QString& folder);

}  // namespace qv
