#include "login/bank_check.h"

#include "login/bank_test_records.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

using test::makeRecord;

const QString kRtf = QStringLiteral("{\\rtf1\\ansi\r\n\\viewkind4\\pard x\\par\r\n}\r\n");
const QString kForm = QStringLiteral("VERSION 5.00\r\nBegin VB.Form Form1\r\nEnd");

// One set that passes every check: a design-only item with a picture, a type "T" item with the
// traffic-light icons, a type "C" item with a module, a type "T" item with a data file and a
// two-form item with an answer picture.
std::vector<BankRecord> goodSet() {
    auto item = [](int key,
                   std::initializer_list<std::pair<QString, std::optional<QString>>> extra) {
        BankRecord r = makeRecord(key, {{QStringLiteral("题面"), kRtf},
                                        {QStringLiteral("类型"), QString()},
                                        {QStringLiteral("vbp文件"), QStringLiteral("A")},
                                        {QStringLiteral("frm文件"), kForm},
                                        {QStringLiteral("bas文件"), QStringLiteral("0")},
                                        {QStringLiteral("in文件"), QStringLiteral("0")},
                                        {QStringLiteral("其它文件"), QStringLiteral("0")},
                                        {QStringLiteral("图片文件"), QStringLiteral("0")},
                                        {QStringLiteral("数据"), QStringLiteral("Form1$")},
                                        {QStringLiteral("答文out"), QStringLiteral("0")},
                                        {QStringLiteral("其它答文"), QStringLiteral("0")},
                                        {QStringLiteral("答文frm"), kForm}});
        for (const auto& [field, value] : extra) r.fields[field] = value;
        return r;
    };
    return {
        item(101, {{QStringLiteral("图片文件"), QStringLiteral("pic.bmp/p1.bmp")}}),
        item(102, {{QStringLiteral("类型"), QStringLiteral("T")},
                   {QStringLiteral("in文件"), QStringLiteral("红绿灯")},
                   {QStringLiteral("答文out"), QStringLiteral("out.txt")},
                   {QStringLiteral("其它答文"), QStringLiteral("红\r\n绿\r\n   \r\n黄\r\n\r\n")}}),
        item(103, {{QStringLiteral("类型"), QStringLiteral("C")},
                   {QStringLiteral("bas文件"), QStringLiteral("Tools.bas")},
                   {QStringLiteral("答文out"), QStringLiteral("out.txt")},
                   {QStringLiteral("其它答文"), QStringLiteral(" 5050#5050.0#")}}),
        item(104, {{QStringLiteral("类型"), QStringLiteral("T")},
                   {QStringLiteral("in文件"), QStringLiteral("in.txt")},
                   {QStringLiteral("答文out"), QStringLiteral("out.txt")},
                   {QStringLiteral("其它答文"), QStringLiteral("1\r2\r\n3")}}),
        item(105, {{QStringLiteral("vbp文件"), QStringLiteral("E")},
                   {QStringLiteral("其它文件"), QStringLiteral("SJT52.FRM\r\nVERSION 5.00")},
                   {QStringLiteral("其它答文"), QStringLiteral("pic pic.bmp/a.bmp")}}),
    };
}

class BankCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(dir_.path()).mkdir(QStringLiteral("img"));
        for (const char* name : {"pic.bmp", "红灯.ico", "绿灯.ico", "黄灯.ico", "cars.ico"}) {
            QFile file(img() + u'/' + QString::fromUtf8(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    QString img() const { return dir_.filePath(QStringLiteral("img")); }
    QStringList lines(const std::vector<BankRecord>& records) const {
        QStringList out;
        for (const BankFinding& finding : checkBank(records, img())) out << finding.line();
        return out;
    }
    QTemporaryDir dir_;
};

TEST_F(BankCheckTest, GoodSetHasNoFinding) {
    EXPECT_EQ(lines(goodSet()), QStringList());
}

using Records = std::vector<BankRecord>;

void set(Records& r, int key, const char* field, std::optional<QString> value) {
    for (BankRecord& record : r) {
        if (record.key == key) record.fields[QString::fromUtf8(field)] = std::move(value);
    }
}

QString manyLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QString::number(i);
    return lines.join(QStringLiteral("\r\n"));
}

TEST_F(BankCheckTest, EachBrokenThingIsOneLineWithKeyAndField) {
    struct Case {
        const char* what;
        std::function<void(Records&)> breakIt;
        QStringList expected;
    };
    const Case cases[] = {
        {"empty table", [](Records& r) { r.clear(); }, {"bank 试题: holds no record"}},
        {"item missing",
         [](Records& r) { r.erase(r.begin() + 2); },
         {"103 题号: no record: set 1 lacks item 3"}},
        {"gap before last set",
         [](Records& r) {
             r.push_back(makeRecord(305, {{QStringLiteral("答文frm"), kForm}}));
         },
         {"201 题号: no record: set 2 lacks item 1", "202 题号: no record: set 2 lacks item 2",
          "203 题号: no record: set 2 lacks item 3", "204 题号: no record: set 2 lacks item 4",
          "205 题号: no record: set 2 lacks item 5", "301 题号: no record: set 3 lacks item 1",
          "302 题号: no record: set 3 lacks item 2", "303 题号: no record: set 3 lacks item 3",
          "304 题号: no record: set 3 lacks item 4", "305 题面: has no \"\\viewkind4\""}},
        {"no viewkind4",
         [](Records& r) { set(r, 104, "题面", QStringLiteral("{\\rtf1 x}\r\n")); },
         {"104 题面: has no \"\\viewkind4\""}},
        {"item 3 not closed",
         [](Records& r) {
             set(r, 103, "题面", QStringLiteral("{\\viewkind4 x}"));
             set(r, 102, "题面", QStringLiteral("{\\viewkind4 x}"));  // item 2 may end so
         },
         {"103 题面: does not end with \"}\" CR LF, which the login drops when it joins items 1 "
          "and 2 or 3 and 4"}},
        {"module without dot",
         [](Records& r) { set(r, 103, "bas文件", QStringLiteral("mode1bas")); },
         {"103 bas文件: file name \"mode1bas\" has no \".\""}},
        {"long extension",
         [](Records& r) { set(r, 103, "答文out", QStringLiteral("out.text")); },
         {"103 答文out: file name \"out.text\" is cut to \"out.tex\" when written"}},
        {"other file one line",
         [](Records& r) { set(r, 101, "其它文件", QStringLiteral("sjt12.frm")); },
         {"101 其它文件: has no line feed (its first line names the file)"}},
        {"other file empty name",
         [](Records& r) { set(r, 101, "其它文件", QStringLiteral("  \r\nVERSION 5.00")); },
         {"101 其它文件: first line is empty (it names the file)"}},
        {"picture without slash",
         [](Records& r) { set(r, 101, "图片文件", QStringLiteral("pic.bmp")); },
         {"101 图片文件: \"pic.bmp\" has no \"/\" between source and destination"}},
        {"picture missing",
         [](Records& r) { set(r, 101, "图片文件", QStringLiteral("gone.bmp/p.bmp")); },
         {"101 图片文件: picture \"gone.bmp\" is missing from the img folder"}},
        {"pic answer without slash",
         [](Records& r) { set(r, 105, "其它答文", QStringLiteral("pic pic.bmp")); },
         {"105 其它答文: \"pic.bmp\" has no \"/\" between source and destination"}},
        {"pic answer missing",
         [](Records& r) { set(r, 105, "其它答文", QStringLiteral("picgone.jpg/a.jpg")); },
         {"105 其它答文: picture \"gone.jpg\" is missing from the img folder"}},
        {"icons missing",
         [](Records& r) { set(r, 101, "in文件", QStringLiteral(" 红绿灯 ")); },
         {}},  // present in the img folder (Cars.ico found whatever its case)
        {"unknown data file",
         [](Records& r) { set(r, 104, "in文件", QStringLiteral("in6.txt")); },
         {"104 in文件: \"in6.txt\" is not one of in.txt, in5.txt, datain1.txt, 红绿灯"}},
        {"C without output",
         [](Records& r) { set(r, 103, "答文out", QStringLiteral(" 0")); },
         {"103 答文out: type C needs the name of its output file"}},
        {"T without output",
         [](Records& r) { set(r, 104, "答文out", std::nullopt); },
         {"104 答文out: type T needs the name of its output file"}},
        {"T 101 lines", [](Records& r) { set(r, 104, "其它答文", manyLines(101)); }, {}},
        {"T 102 lines",
         [](Records& r) { set(r, 104, "其它答文", manyLines(102)); },
         {"104 其它答文: type T expects 102 lines, more than 101"}},
        {"T 101 lines and a final break",
         [](Records& r) { set(r, 104, "其它答文", manyLines(101) + QStringLiteral("\r\n")); },
         {"104 其它答文: type T expects 102 lines, more than 101"}},
        {"T blank line inside",
         [](Records& r) { set(r, 104, "其它答文", QStringLiteral("1\r\n\r\n2")); },
         {"104 其它答文: type T expected output has a blank line inside (line 2), so its own "
          "reference answer does not grade full"}},
        {"T blank first line",
         [](Records& r) { set(r, 104, "其它答文", QStringLiteral("\r\n1")); },
         {"104 其它答文: type T expected output has a blank line inside (line 1), so its own "
          "reference answer does not grade full"}},
        {"T with hash",
         [](Records& r) { set(r, 104, "其它答文", QStringLiteral("1\r\n2#")); },
         {"104 其它答文: type T expected output contains \"#\"; the reference answer writes only "
          "the text before it"}},
        {"T with bare line feed",
         [](Records& r) { set(r, 104, "其它答文", QStringLiteral("1\n2")); },
         {"104 其它答文: type T expected output has a line feed without a carriage return, which "
          "does not end a line"}},
        {"C without hash",
         [](Records& r) { set(r, 103, "其它答文", QStringLiteral("5050")); },
         {"103 其它答文: type C result has no \"#\" after it, so it is never compared"}},
        {"C empty first result",
         [](Records& r) { set(r, 103, "其它答文", QStringLiteral("  #5050#")); },
         {"103 其它答文: type C first result is empty, which never matches"}},
        {"C result over lines",
         [](Records& r) { set(r, 103, "其它答文", QStringLiteral("50\r\n50#")); },
         {"103 其它答文: type C first result has a line break, which is lost when the output file "
          "is read"}},
        {"output with spaces",
         [](Records& r) { set(r, 103, "答文out", QStringLiteral("out.txt ")); },
         {"103 答文out: \"out.txt \" has surrounding spaces (the answer writer trims them, grading "
          "does not)"}},
        {"key above 32767",
         [](Records& r) {
             r.insert(r.begin(), goodSet().front());
             r.front().key = 32801;
         },
         {"32801 题号: key above 32767 (keys are 16-bit)",
          "32801 题号: set 328 lies above the set count 1 that the last stored record gives, so it "
          "is never drawn"}},
        {"item outside 1 to 5",
         [](Records& r) {
             r.insert(r.begin(), makeRecord(106, {{QStringLiteral("答文frm"), kForm}}));
         },
         {"106 题号: not set × 100 + item 1 to 5", "106 题面: has no \"\\viewkind4\""}},
        {"duplicate key",
         [](Records& r) { r.insert(r.begin(), goodSet().front()); },
         {"101 题号: key given more than once"}},
        {"path separator",
         [](Records& r) { set(r, 103, "答文out", QStringLiteral("sub\\out.txt")); },
         {"103 答文out: file name \"sub\\out.txt\" contains a path separator"}},
        {"parent folder",
         [](Records& r) { set(r, 101, "其它文件", QStringLiteral("../x.frm\r\nVERSION 5.00")); },
         {"101 其它文件: file name \"../x.frm\" is cut to \"../x\" when written",
          "101 其它文件: file name \"../x.frm\" contains a path separator",
          "101 其它文件: file name \"../x.frm\" contains \"..\""}},
        {"drive in destination",
         [](Records& r) { set(r, 101, "图片文件", QStringLiteral("pic.bmp/C:p.bmp")); },
         {"101 图片文件: file name \"C:p.bmp\" contains \":\""}},
        {"picture out of folder",
         [](Records& r) { set(r, 101, "图片文件", QStringLiteral("pic.bmp/sub/p.bmp")); },
         {"101 图片文件: file name \"sub/p.bmp\" contains a path separator"}},
        {"two forms without second",
         [](Records& r) { set(r, 105, "其它文件", QStringLiteral("0")); },
         {"105 vbp文件: project code E has two forms, but 其它文件 does not carry sjt52.frm"}},
        {"two forms, other name",
         [](Records& r) { set(r, 105, "其它文件", QStringLiteral("sjt51.frm\r\nVERSION 5.00")); },
         {"105 vbp文件: project code E has two forms, but 其它文件 does not carry sjt52.frm"}},
        {"spaced code is one form",
         [](Records& r) {
             set(r, 105, "vbp文件", QStringLiteral(" E"));
             set(r, 105, "其它文件", QStringLiteral("0"));
         },
         {}},
        {"empty answer form",
         [](Records& r) { set(r, 102, "答文frm", std::nullopt); },
         {"102 答文frm: is empty (the reference answer writes it as the form)"}},
    };
    for (const Case& c : cases) {
        Records records = goodSet();
        c.breakIt(records);
        EXPECT_EQ(lines(records), c.expected) << c.what;
    }
}

TEST_F(BankCheckTest, MissingIconsAndFieldsAreNamed) {
    QFile::remove(img() + QStringLiteral("/绿灯.ico"));
    Records records = goodSet();
    records.front().fields.erase(QStringLiteral("数据"));
    EXPECT_EQ(lines(records),
              (QStringList{"bank 数据: the table has no such field",
                           "102 in文件: picture \"绿灯.ico\" is missing from the img folder"}));
}

}  // namespace
}  // namespace qv
