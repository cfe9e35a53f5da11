#include "platform/rich_text.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The fixed pieces the login window puts around the bank's item texts.
const QString kHeader1 =
    uR"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}{\colortbl ;\red0\green0\blue0;}\viewkind4\uc1\pard\lang2052\f0\fs24 1. \'bb\'f9\'b1\'be\'b2\'d9\'d7\'f7\'a3\'a82\'d0\'a1\'cc\'e2\'a3\'ac\'c3\'bf\'d0\'a1\'cc\'e215\'b7\'d6\'a3\'ac\'b9\'b2\'bc\'c630\'b7\'d6\'a3\'a9\cf1 \par      \'d7\'a2\'d2\'e2\'a3\'ba\'cf\'c2\'c3\'e6\'b3\'f6\'cf\'d6\'b5\'c4\ldblquote\'bf\'bc\'c9\'fa\'ce\'c4\'bc\'fe\'bc\'d0\rdblquote\'be\'f9\'ce\'aa)"_s;
const QString kTail1 =
    uR"(\par \par **********************************************************************\par \par   \'c7\'eb\'b8\'f9\'be\'dd\'d2\'d4\'cf\'c2\'b8\'f7\'d0\'a1\'cc\'e2\'b5\'c4\'d2\'aa\'c7\'f3\'c9\'e8\'bc\'c6Visual Basic\'d3\'a6\'d3\'c3\'b3\'cc\'d0\'f2\'a3\'a8\'b0\'fc\'c0\'a8\'bd\'e7\'c3\'e6\'ba\'cd\'b4\'fa\'c2\'eb\'a3\'a9\'a1\'a3\cf0 \par)"_s;
const QString kSeparator =
    uR"(\viewkind4\uc1\pard\cf1\lang2052\f0\fs24 **********************************************************************\par \pard\fi-360\li360\tx315\f1 \par \pard\cf0\f0 \par )"_s;
const QString kHeader3 =
    uR"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}{\colortbl ;\red0\green0\blue0;}\viewkind4\uc1\pard\cf1\lang2052\f0\fs24 3. \'d7\'db\'ba\'cf\'d3\'a6\'d3\'c3\'a3\'a81\'d0\'a1\'cc\'e2\'a3\'ac\'bc\'c630\'b7\'d6\'a3\'a9\par      \'d7\'a2\'d2\'e2\'a3\'ba\'cf\'c2\'c3\'e6\'b3\'f6\'cf\'d6\'b5\'c4\ldblquote\'bf\'bc\'c9\'fa\'ce\'c4\'bc\'fe\'bc\'d0\rdblquote\'be\'f9\'ce\'aa)"_s;
const QString kTail3 = uR"(\par \cf0\fs18 \par )"_s;
const QString kFolder = uR"(C:\\WEXAM\\27010001)"_s;

// Item texts as the bank stores them from "\viewkind4" on: (1)
// 在名称为Form1的窗体上画一个命令按钮， 其标题为“开始”。 and (2)
// 在窗体上画一个文本框，名称为Text1。
const QString kItemA =
    u"\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 (1) "
    uR"(\'d4\'da\'c3\'fb\'b3\'c6\'ce\'aaForm1\'b5\'c4\'b4\'b0\'cc\'e5\'c9\'cf\'bb\'ad\'d2\'bb\'b8\'f6\'c3\'fc\'c1\'ee\'b0\'b4\'c5\'a5\'a3\'ac\'c6\'e4\'b1\'ea\'cc\'e2\'ce\'aa\'a1\'b0\'bf\'aa\'ca\'bc\'a1\'b1\'a1\'a3)"
    u"\\par\r\n}\r\n"_s;
const QString kItemB =
    u"\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 (2) "
    uR"(\'d4\'da\'b4\'b0\'cc\'e5\'c9\'cf\'bb\'ad\'d2\'bb\'b8\'f6\'ce\'c4\'b1\'be\'bf\'f2\'a3\'ac\'c3\'fb\'b3\'c6\'ce\'aaText1\'a1\'a3)"
    u"\\par\r\n}\r\n"_s;

const QString kStars70 = QString(70, u'*');
const QString kNotice = u"     注意：下面出现的“考生文件夹”均为C:\\WEXAM\\27010001"_s;
const QString kLineA = u"(1) 在名称为Form1的窗体上画一个命令按钮，其标题为“开始”。"_s;
const QString kLineB = u"(2) 在窗体上画一个文本框，名称为Text1。"_s;

std::string utf8(const QString& text) {
    return text.toStdString();
}

// The text of every block, joined by line feeds; unlike toPlainText() this keeps no-break
// spaces and line separators as they are.
std::string blocksText(const QTextDocument& doc) {
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        lines << block.text();
    return utf8(lines.join(u'\n'));
}

std::string loaded(const QString& rtf) {
    QTextDocument doc;
    qv::loadRtf(doc, rtf);
    return blocksText(doc);
}

struct TextRun {
    TextRun(QString text, bool bold = false, bool italic = false, bool underline = false,
            double points = 12, std::optional<QColor> colour = std::nullopt)
        : text(std::move(text)),
          bold(bold),
          italic(italic),
          underline(underline),
          points(points),
          colour(std::move(colour)) {}

    QString text;
    bool bold;
    bool italic;
    bool underline;
    double points;
    std::optional<QColor> colour;

    bool sameLook(const TextRun& other) const {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               points == other.points && colour == other.colour;
    }
    bool operator==(const TextRun& other) const { return text == other.text && sameLook(other); }
};

void PrintTo(const TextRun& run, std::ostream* os) {
    *os << '"' << utf8(run.text) << '"' << (run.bold ? " bold" : "")
        << (run.italic ? " italic" : "") << (run.underline ? " underline" : "") << ' ' << run.points
        << "pt";
    if (run.colour) *os << ' ' << utf8(run.colour->name());
}

// Runs of text with one look, whatever fragments the document happens to keep.
std::vector<TextRun> runsOf(const QTextDocument& doc) {
    std::vector<TextRun> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            TextRun run(it.fragment().text(), format.fontWeight() >= QFont::Bold,
                        format.fontItalic(), format.fontUnderline(), format.fontPointSize());
            if (format.hasProperty(QTextFormat::ForegroundBrush))
                run.colour = format.foreground().color();
            if (!runs.empty() && runs.back().sameLook(run))
                runs.back().text += run.text;
            else
                runs.push_back(run);
        }
    }
    return runs;
}

std::string lines(const QStringList& list) {
    return utf8(list.join(u'\n'));
}

TEST(RichText, QuestionOneReadsAsTheStudentSeesIt) {
    const QString rtf = kHeader1 + kFolder + kTail1 + kItemA.chopped(3) + kSeparator + kItemB;
    QTextDocument doc;
    qv::loadRtf(doc, u"{\\rtf1 earlier content\\par more}"_s);
    qv::loadRtf(doc, rtf);

    EXPECT_EQ(blocksText(doc),
              lines({
                  u"1. 基本操作（2小题，每小题15分，共计30分）"_s,
                  kNotice,
                  u""_s,
                  kStars70,
                  u""_s,
                  u"  请根据以下各小题的要求设计Visual Basic应用程序（包括界面和代码）。"_s,
                  kLineA,
                  kStars70,
                  u""_s,
                  u""_s,
                  kLineB,
                  u""_s,
              }));
    EXPECT_FALSE(doc.isUndoAvailable());

    // \cf1 turns the notice black until \cf0; \fs20 makes the item text 10 points.
    const QColor black(0, 0, 0);
    const std::vector<TextRun> runs = runsOf(doc);
    ASSERT_GE(runs.size(), 5u);
    EXPECT_EQ(runs[0], (TextRun{u"1. 基本操作（2小题，每小题15分，共计30分）"_s}));
    EXPECT_EQ(runs[1].colour, black);
    EXPECT_TRUE(runs[1].text.startsWith(kNotice));
    EXPECT_EQ(runs[2], (TextRun{kLineA, false, false, false, 10}));
    EXPECT_EQ(runs[3], (TextRun{kStars70, false, false, false, 12, black}));
    EXPECT_EQ(runs[4], (TextRun{kLineB, false, false, false, 10}));

    // The separator's empty paragraph carries a hanging indent of 360 twips (24 pixels).
    const QTextBlockFormat hanging = doc.findBlockByNumber(8).blockFormat();
    EXPECT_DOUBLE_EQ(hanging.leftMargin(), 24);
    EXPECT_DOUBLE_EQ(hanging.textIndent(), -24);
    EXPECT_DOUBLE_EQ(doc.findBlockByNumber(9).blockFormat().leftMargin(), 0);
}

TEST(RichText, QuestionThreeReadsAsTheStudentSeesIt) {
    const QString item = u"\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 \\'d6\\'d0\\par\r\n}\r\n"_s;
    EXPECT_EQ(loaded(kHeader3 + kFolder + kTail3 + item), lines({
                                                              u"3. 综合应用（1小题，计30分）"_s,
                                                              kNotice,
                                                              u""_s,
                                                              u"中"_s,
                                                              u""_s,
                                                          }));
}

TEST(RichText, CharacterFormatsFollowGroupsAndResets) {
    QTextDocument doc;
    qv::loadRtf(
        doc,
        uR"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}plain {\b bold}{\i italic})"
        uR"({\ul under\ulnone over\ul1 again\ul0 }\b1 on\b0 off\cf1 red\cf2 blue\cf0 auto)"
        uR"(\fs40 big{\fs10 small}back\cf2\b\i\ul\plain reset})"_s);
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    EXPECT_EQ(runsOf(doc), (std::vector<TextRun>{
                               {u"plain "_s},
                               {u"bold"_s, true},
                               {u"italic"_s, false, true},
                               {u"under"_s, false, false, true},
                               {u"over"_s},
                               {u"again"_s, false, false, true},
                               {u"on"_s, true},
                               {u"off"_s},
                               {u"red"_s, false, false, false, 12, red},
                               {u"blue"_s, false, false, false, 12, blue},
                               {u"auto"_s},
                               {u"big"_s, false, false, false, 20},
                               {u"small"_s, false, false, false, 5},
                               {u"back"_s, false, false, false, 20},
                               {u"reset"_s},
                           }));
}

struct TextCase {
    const char* name;
    QString rtf;
    QString expected;
};

void expectTexts(const std::vector<TextCase>& cases) {
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(loaded(c.rtf), utf8(c.expected));
    }
}

TEST(RichText, UnicodeEscapesSkipTheirFallback) {
    expectTexts({
        {"one fallback character each", uR"(\uc1\u20013?\u25991?)"_s, u"中文"_s},
        {"no fallback", uR"(\uc0\u20013\u25991 x)"_s, u"中文x"_s},
        {"escaped bytes as fallback", uR"(\uc2\u20013\'d6\'d0x)"_s, u"中x"_s},
        {"a control word counts as one", uR"(\u20013\ldblquote x)"_s, u"中x"_s},
        {"negative numbers are the upper half", uR"(\u-3913?)"_s, u"\uF0B7"_s},
        {"surrogate pair", uR"(\u-10179?\u-8704?)"_s, u"\U0001F600"_s},
        {"lone surrogate", uR"(\u-10179?x)"_s, u"\uFFFDx"_s},
        {"skip count is scoped to its group", uR"({\uc2 \u20013??}\u25991?x)"_s, u"中文x"_s},
        {"a brace ends the skip", uR"(\uc3\u20013{ab})"_s, u"中ab"_s},
        {"out of range", uR"(\u99999999999?x)"_s, u"\uFFFDx"_s},
        {"huge skip count", uR"(\uc99999999999\u20013abc{}d)"_s, u"中d"_s},
    });
}

TEST(RichText, SpecialCharactersAndSymbols) {
    expectTexts({
        {"tab", uR"(a\tab b)"_s, u"a\tb"_s},
        {"quotes", uR"(\ldblquote x\rdblquote \lquote y\rquote )"_s, u"“x”‘y’"_s},
        {"dashes and bullet", uR"(a\emdash b\endash c\bullet d)"_s, u"a—b–c•d"_s},
        {"escaped delimiters", uR"(a\\b\{c\}d)"_s, uR"(a\b{c}d)"_s},
        {"no-break space", uR"(a\~b)"_s, u"a\u00A0b"_s},
        {"optional and no-break hyphen", uR"(a\-b\_c)"_s, u"a\u00ADb\u2011c"_s},
        {"line break", uR"(a\line b)"_s, u"a\u2028b"_s},
        {"paragraph", uR"(a\par b)"_s, u"a\nb"_s},
        {"backslash before a line end", u"a\\\r\nb"_s, u"a\nb"_s},
        {"line ends in the source", u"a\r\nb\nc"_s, u"abc"_s},
        {"unknown control words", uR"(a\foo123 b\zzz c\u d)"_s, u"abcd"_s},
        {"double-byte text", uR"(\'b4\'d6\'cc\'e5)"_s, u"粗体"_s},
        {"second byte in plain ASCII", uR"(\'81@)"_s, u"丂"_s},
        {"plain text beside escapes", uR"(\'a3\'a82\'d0\'a1)"_s, u"（2小"_s},
    });
}

TEST(RichText, DestinationsWithoutTextAreSkipped) {
    expectTexts({
        {"tables, info and pictures",
         uR"({\rtf1{\fonttbl{\f0\fnil Arial;}}{\stylesheet{\s0 Normal;}}{\info{\title T}}{\pict\wmetafile8 0102ab}shown})"_s,
         u"shown"_s},
        {"optional destinations",
         uR"({\*\generator Riched20 5.50;}{\*\unknown {nested} hidden}shown)"_s, u"shown"_s},
        {"colour table", uR"({\colortbl;\red1\green2\blue3;}shown)"_s, u"shown"_s},
        {"binary data may hold braces", uR"({\pict\bin3 }}}x}y)"_s, u"y"_s},
    });
}

TEST(RichText, BrokenInputShowsWhatItCan) {
    QString withNul = u"a"_s;
    withNul += QChar(0);
    withNul += u"b"_s;
    expectTexts({
        {"empty", u""_s, u""_s},
        {"unclosed groups", uR"({\rtf1{\b abc)"_s, u"abc"_s},
        {"stray closing braces", u"abc}}}def"_s, u"abcdef"_s},
        {"truncated escape", uR"(ab\'c)"_s, u"ab"_s},
        {"escape without digits", uR"(ab\')"_s, u"ab"_s},
        {"escape with bad digits", uR"(ab\'zzq)"_s, u"abzzq"_s},
        {"lone backslash at the end", u"ab\\"_s, u"ab"_s},
        {"lone lead byte at the end", uR"(ab\'d6)"_s, u"ab\uFFFD"_s},
        {"huge parameter", uR"(\fs99999999999999999999 x\li-99999999999999 y)"_s, u"xy"_s},
        {"binary length beyond the end", uR"(a\bin99999 bc)"_s, u"a"_s},
        {"dash after a word", uR"(\b-x)"_s, u"-x"_s},
        {"control characters", withNul, u"ab"_s},
        {"deep nesting", QString(100000, u'{') + u"deep"_s, u"deep"_s},
    });
}

TEST(RichText, BrokenColourAndSizeValuesAreBounded) {
    QTextDocument doc;
    // Colour 0 is the automatic colour even when the table gives it components.
    qv::loadRtf(
        doc,
        uR"({\colortbl\red9\green9\blue9;\red999\green-5\blue0;\red1}\cf0 w\cf1 x\cf2 y\cf99 z\fs0 a\fs99999999999 b)"_s);
    const QColor red(255, 0, 0);
    EXPECT_EQ(runsOf(doc), (std::vector<TextRun>{
                               {u"w"_s},
                               {u"x"_s, false, false, false, 12, red},
                               {u"yz"_s},
                               {u"a"_s, false, false, false, 1},
                               {u"b"_s, false, false, false, 1638},
                           }));
}

}  // namespace
