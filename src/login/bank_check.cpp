#include "bank_check.h"

#include "platform/paths.h"
#include "platform/text_rules.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstdint>
#include <map>

namespace qv {
namespace {

const QString kStatement = QStringLiteral("题面");
const QString kType = QStringLiteral("类型");
const QString kProject = QStringLiteral("vbp文件");
const QString kModule = QStringLiteral("bas文件");
const QString kInput = QStringLiteral("in文件");
const QString kOtherFile = QStringLiteral("其它文件");
const QString kPicture = QStringLiteral("图片文件");
const QString kOutput = QStringLiteral("答文out");
const QString kExpected = QStringLiteral("其它答文");
const QString kAnswerForm = QStringLiteral("答文frm");

// The most expected lines a type "T" item's output checker holds.
constexpr int kMaxExpectedLines = 101;

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

// The text before the first line feed, as the writers take a file name from a field.
QString nameLine(const QString& text) {
    QString name = text.left(text.indexOf(u'\n'));
    if (name.endsWith(u'\r')) name.chop(1);
    return trimSpaces(name);
}

// The number of expected lines, as the several-lines output checker splits them.
int expectedLineCount(const QString& expected) {
    int count = 1;
    bool inLine = false;
    for (const QChar c : expected) {
        if (c == u'\r' || c == u'\n') {
            if (inLine) ++count;
            inLine = false;
        } else {
            inLine = true;
        }
    }
    return count;
}

// The 1-based number of the first empty line before the last non-empty one, or 0.
int blankLineInside(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = unified.split(u'\n');
    qsizetype last = lines.size() - 1;
    while (last >= 0 && lines.at(last).isEmpty()) --last;
    for (qsizetype i = 0; i < last; ++i) {
        if (lines.at(i).isEmpty()) return static_cast<int>(i + 1);
    }
    return 0;
}

class Checker {
  public:
    Checker(QString imgFolder, std::vector<BankFinding>& out)
        : img_(std::move(imgFolder)), out_(out) {}

    void record(const BankRecord& r) {
        current_ = &r;
        statement();
        module();
        input();
        otherFile();
        twoForms();
        picture(kPicture, r.text(kPicture), false);
        output();
        expected();
        if (r.text(kAnswerForm).isEmpty()) {
            add(kAnswerForm,
                QStringLiteral("is empty (the reference answer writes it as the form)"));
        }
    }

    void add(const QString& field, const QString& problem) {
        out_.push_back({QString::number(current_->key), field, problem});
    }

  private:
    QString text(const QString& field) const { return current_->text(field); }
    int item() const { return current_->key % 100; }
    bool isType(const char* type) const { return text(kType) == QLatin1String(type); }

    void statement() {
        const QString rtf = text(kStatement);
        if (!rtf.contains(QStringLiteral("\\viewkind4"))) {
            add(kStatement, QStringLiteral("has no \"\\viewkind4\""));
        }
        if ((item() == 1 || item() == 3) && !rtf.endsWith(QStringLiteral("}\r\n"))) {
            add(kStatement, QStringLiteral("does not end with \"}\" CR LF, which the login drops "
                                           "when it joins items 1 and 2 or 3 and 4"));
        }
    }

    void fileName(const QString& field, const QString& name, bool cut) {
        if (name.isEmpty()) {
            add(field, QStringLiteral("empty file name"));
            return;
        }
        if (!name.contains(u'.')) {
            add(field,
                QStringLiteral("file name ") + quoted(name) + QStringLiteral(" has no \".\""));
        } else if (cut && extensionCut(name) != name) {
            add(field, QStringLiteral("file name ") + quoted(name) + QStringLiteral(" is cut to ") +
                           quoted(extensionCut(name)) + QStringLiteral(" when written"));
        }
        if (name.contains(u'/') || name.contains(u'\\')) {
            add(field, QStringLiteral("file name ") + quoted(name) +
                           QStringLiteral(" contains a path separator"));
        }
        if (name.contains(u':')) {
            add(field,
                QStringLiteral("file name ") + quoted(name) + QStringLiteral(" contains \":\""));
        }
        if (name.contains(QStringLiteral(".."))) {
            add(field,
                QStringLiteral("file name ") + quoted(name) + QStringLiteral(" contains \"..\""));
        }
    }

    bool inImgFolder(const QString& name) const {
        if (name.contains(u'/') || name.contains(u'\\') || name.contains(QStringLiteral(".."))) {
            return false;  // never looked up outside the folder; reported as a bad name
        }
        return QFileInfo(resolveCaseInsensitive(img_, name)).isFile();
    }

    void requireImage(const QString& field, const QString& name) {
        if (!name.isEmpty() && !inImgFolder(name)) {
            add(field, QStringLiteral("picture ") + quoted(name) +
                           QStringLiteral(" is missing from the img folder"));
        }
    }

    // "source/destination": the source in the img folder, the destination in the student folder.
    void picture(const QString& field, const QString& value, bool answer) {
        const QString trimmed = trimSpaces(value);
        if (!answer && (trimmed == QStringLiteral("0") || current_->isNull(field))) return;
        const qsizetype slash = trimmed.indexOf(u'/');
        if (slash < 0) {
            add(field,
                quoted(value) + QStringLiteral(" has no \"/\" between source and destination"));
            return;
        }
        fileName(field, trimmed.left(slash), false);
        fileName(field, trimmed.mid(slash + 1), false);
        requireImage(field, trimmed.left(slash));
    }

    void module() {
        const QString name = trimSpaces(text(kModule));
        if (name != QStringLiteral("0") && !current_->isNull(kModule))
            fileName(kModule, name, true);
    }

    void input() {
        const QString name = trimSpaces(text(kInput));
        if (current_->isNull(kInput) || name == QStringLiteral("0")) return;
        if (name == QStringLiteral("红绿灯")) {
            for (const char* icon : {"红灯.ico", "绿灯.ico", "黄灯.ico", "Cars.ico"}) {
                requireImage(kInput, QString::fromUtf8(icon));
            }
        } else if (name != QStringLiteral("in.txt") && name != QStringLiteral("in5.txt") &&
                   name != QStringLiteral("datain1.txt")) {
            add(kInput, quoted(name) +
                            QStringLiteral(" is not one of in.txt, in5.txt, datain1.txt, 红绿灯"));
        }
    }

    void otherFile() {
        const QString value = text(kOtherFile);
        if (current_->isNull(kOtherFile) || trimSpaces(value) == QStringLiteral("0")) return;
        if (!value.contains(u'\n')) {
            add(kOtherFile, QStringLiteral("has no line feed (its first line names the file)"));
        } else if (nameLine(value).isEmpty()) {
            add(kOtherFile, QStringLiteral("first line is empty (it names the file)"));
        } else {
            fileName(kOtherFile, nameLine(value), true);
        }
    }

    void twoForms() {
        const QString code = text(kProject);
        static const QStringList twoFormCodes = {QStringLiteral("D"), QStringLiteral("E"),
                                                 QStringLiteral("F"), QStringLiteral("G")};
        if (!twoFormCodes.contains(code)) return;
        const QString second =
            QStringLiteral("sjt") + QString::number(item()) + QStringLiteral("2.frm");
        const QString value = text(kOtherFile);
        if (!value.contains(u'\n') ||
            extensionCut(nameLine(value)).compare(second, Qt::CaseInsensitive) != 0) {
            add(kProject, QStringLiteral("project code ") + code +
                              QStringLiteral(" has two forms, but 其它文件 does not carry ") +
                              second);
        }
    }

    void output() {
        const QString value = text(kOutput);
        const QString name = trimSpaces(value);
        const bool none =
            current_->isNull(kOutput) || name.isEmpty() || name == QStringLiteral("0");
        if (none) {
            if (isType("C") || isType("T")) {
                add(kOutput, QStringLiteral("type ") + text(kType) +
                                 QStringLiteral(" needs the name of its output file"));
            }
            return;
        }
        if (value != name) {
            add(kOutput, quoted(value) + QStringLiteral(" has surrounding spaces (the answer "
                                                        "writer trims them, grading does not)"));
        }
        fileName(kOutput, name, true);
    }

    void expected() {
        const QString value = text(kExpected);
        const QString trimmed = trimSpaces(value);
        if (trimmed.startsWith(QStringLiteral("pic"))) {
            picture(kExpected, trimSpaces(trimmed.mid(3)), true);
        }
        if (trimmed.contains(QStringLiteral(".frm"))) {
            if (!value.contains(u'\n')) {
                add(kExpected, QStringLiteral("names a form but has no line feed after the name"));
            } else {
                fileName(kExpected, nameLine(value), true);
            }
        }
        if (isType("C")) singleResult(trimmed);
        if (isType("T")) severalLines(value);
    }

    // The reference answer writes the first result; it must grade as that result.
    void singleResult(const QString& trimmed) {
        const qsizetype hash = trimmed.indexOf(u'#');
        if (hash < 0) {
            add(kExpected, QStringLiteral("type C result has no \"#\" after it, so it is never "
                                          "compared"));
            return;
        }
        const QString first = trimmed.left(hash);
        if (trimSpaces(first).isEmpty()) {
            add(kExpected, QStringLiteral("type C first result is empty, which never matches"));
        } else if (first.contains(u'\r')) {
            add(kExpected, QStringLiteral("type C first result has a line break, which is lost "
                                          "when the output file is read"));
        }
    }

    void severalLines(const QString& value) {
        const int lines = expectedLineCount(value);
        if (lines > kMaxExpectedLines) {
            add(kExpected, QStringLiteral("type T expects %1 lines, more than %2")
                               .arg(lines)
                               .arg(kMaxExpectedLines));
        }
        if (const int blank = blankLineInside(value); blank > 0) {
            add(kExpected, QStringLiteral("type T expected output has a blank line inside (line "
                                          "%1), so its own reference answer does not grade full")
                               .arg(blank));
        }
        if (value.contains(u'#')) {
            add(kExpected, QStringLiteral("type T expected output contains \"#\"; the reference "
                                          "answer writes only the text before it"));
        }
        if (value.contains(QRegularExpression(QStringLiteral("(^|[^\\r])\\n")))) {
            add(kExpected, QStringLiteral("type T expected output has a line feed without a "
                                          "carriage return, which does not end a line"));
        }
    }

    QString img_;
    std::vector<BankFinding>& out_;
    const BankRecord* current_ = nullptr;
};

}  // namespace

std::vector<BankFinding> checkBank(const std::vector<BankRecord>& records,
                                   const QString& imgFolder) {
    std::vector<BankFinding> findings;
    if (records.empty()) {
        findings.push_back({QStringLiteral("bank"), kBankTable, QStringLiteral("holds no record")});
        return findings;
    }
    for (const QString& field : bankTextFields()) {
        if (records.front().fields.count(field) == 0) {
            findings.push_back(
                {QStringLiteral("bank"), field, QStringLiteral("the table has no such field")});
        }
    }
    // The set count exactly as the login takes it.
    const int setCount = static_cast<int16_t>(records.back().key / 100);
    std::map<int, int> seen;
    Checker checker(imgFolder, findings);
    for (const BankRecord& record : records) {
        const QString where = QString::number(record.key);
        auto keyProblem = [&](const QString& problem) {
            findings.push_back({where, kKeyField, problem});
        };
        if (++seen[record.key] == 2) keyProblem(QStringLiteral("key given more than once"));
        if (record.key > 32767) keyProblem(QStringLiteral("key above 32767 (keys are 16-bit)"));
        const int item = record.key % 100;
        if (record.key < 100 || item < 1 || item > 5) {
            keyProblem(QStringLiteral("not set × 100 + item 1 to 5"));
        } else if (record.key / 100 > setCount) {
            keyProblem(QStringLiteral("set %1 lies above the set count %2 that the last stored "
                                      "record gives, so it is never drawn")
                           .arg(record.key / 100)
                           .arg(setCount));
        }
        checker.record(record);
    }
    if (setCount < 1) {
        findings.push_back(
            {QString::number(records.back().key), kKeyField,
             QStringLiteral("the last stored record gives no set (set count %1)").arg(setCount)});
    }
    for (int set = 1; set <= setCount; ++set) {
        for (int item = 1; item <= 5; ++item) {
            const int key = set * 100 + item;
            if (seen.count(key) == 0) {
                findings.push_back(
                    {QString::number(key), kKeyField,
                     QStringLiteral("no record: set %1 lacks item %2").arg(set).arg(item)});
            }
        }
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const BankFinding& a, const BankFinding& b) {
                         return a.where.toLongLong() < b.where.toLongLong();  // "bank" sorts first
                     });
    return findings;
}

}  // namespace qv
