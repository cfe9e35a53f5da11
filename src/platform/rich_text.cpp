#include "platform/rich_text.h"

#include "platform/codepage.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace qv {
namespace {

constexpr int kDefaultHalfPoints = 24;
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
// Parameters are clamped so that no later arithmetic can overflow.
constexpr qint64 kParamLimit = 1'000'000'000;
constexpr double kTwipsPerPixel = 15.0;
constexpr int kMaxIndentTwips = 31680;  // 22 inches, wider than any page

// Destinations whose content is never shown.
constexpr QStringView kSkippedDestinations[] = {
    u"fonttbl",   u"stylesheet",        u"info",         u"pict",     u"object",
    u"header",    u"headerl",           u"headerr",      u"headerf",  u"footer",
    u"footerl",   u"footerr",           u"footerf",      u"footnote", u"filetbl",
    u"listtable", u"listoverridetable", u"revtbl",       u"rsidtbl",  u"themedata",
    u"xmlnstbl",  u"datastore",         u"latentstyles",
};

struct SpecialCharacter {
    QStringView word;
    char16_t character;
};

constexpr SpecialCharacter kSpecialCharacters[] = {
    {u"tab", u'\t'},           {u"cell", u'\t'},          {u"line", u'\u2028'},
    {u"ldblquote", u'\u201C'}, {u"rdblquote", u'\u201D'}, {u"lquote", u'\u2018'},
    {u"rquote", u'\u2019'},    {u"emdash", u'\u2014'},    {u"endash", u'\u2013'},
    {u"bullet", u'\u2022'},    {u"emspace", u'\u2003'},   {u"enspace", u'\u2002'},
    {u"~", u'\u00A0'},         {u"-", u'\u00AD'},         {u"_", u'\u2011'},
};

constexpr QStringView kUnderlineOn[] = {u"ul",   u"uld", u"uldb",  u"uldash",
                                        u"ulth", u"ulw", u"ulwave"};
constexpr std::pair<QStringView, Qt::AlignmentFlag> kAlignments[] = {{u"ql", Qt::AlignLeft},
                                                                     {u"qr", Qt::AlignRight},
                                                                     {u"qc", Qt::AlignHCenter},
                                                                     {u"qj", Qt::AlignJustify}};
constexpr QStringView kParagraphEnds[] = {u"par", u"row", u"sect", u"page"};

template <typename Range>
bool contains(const Range& words, QStringView word) {
    return std::any_of(std::begin(words), std::end(words),
                       [word](QStringView w) { return w == word; });
}

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = kDefaultHalfPoints;
    int colour = 0;  // index into the colour table; 0 is the automatic colour
};

struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
};

enum class Destination { Text, ColourTable, Skipped };

// Everything a closing brace restores.
struct GroupState {
    CharState chars;
    ParaState para;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

struct ControlWord {
    QStringView name;
    bool hasParam = false;
    int param = 0;

    bool switchedOn() const { return !hasParam || param != 0; }
    int clamped(int low, int high) const { return std::clamp(param, low, high); }
};

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int hexValue(QChar c) {
    if (isAsciiDigit(c)) return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

// Unpaired surrogates, control characters and the document's own frame markers would confuse
// the text layout; they become the replacement character or vanish.
QString cleaned(QString text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append(c).append(text.at(++i));
        } else if (c.isSurrogate() || c == u'\uFDD0' || c == u'\uFDD1' ||
                   c == QChar::ParagraphSeparator) {
            out.append(QChar::ReplacementCharacter);
        } else if (c.unicode() >= 0x20 || c == u'\t') {
            out.append(c);
        }
    }
    return out;
}

class RtfReader {
  public:
    RtfReader(QTextDocument& doc, const QString& rtf) : rtf_(rtf), cursor_(&doc) {}

    void read() {
        while (!atEnd()) {
            const QChar c = rtf_.at(pos_++);
            if (c == u'{')
                openGroup();
            else if (c == u'}')
                closeGroup();
            else if (c == u'\\')
                readControl();
            else
                literal(c);
        }
        flushText();
    }

  private:
    bool atEnd() const { return pos_ >= rtf_.size(); }
    bool inText() const { return state_.destination == Destination::Text; }

    void openGroup() {
        flushText();
        pendingSkip_ = 0;
        stack_.push_back(state_);
    }

    void closeGroup() {
        flushText();
        pendingSkip_ = 0;
        if (stack_.empty()) return;  // a stray closing brace
        state_ = stack_.back();
        stack_.pop_back();
    }

    // Characters after \uN that stand in for readers without Unicode are swallowed here.
    bool consumeSkip() {
        if (pendingSkip_ == 0) return false;
        --pendingSkip_;
        return true;
    }

    void readControl() {
        if (atEnd()) return;  // a lone backslash at the end
        const QChar c = rtf_.at(pos_);
        if (isAsciiLetter(c)) {
            controlWord(readControlWord());
            return;
        }
        ++pos_;
        if (c == u'\'')
            readHexByte();
        else if (!consumeSkip())
            controlSymbol(c);
    }

    ControlWord readControlWord() {
        ControlWord word;
        const qsizetype start = pos_;
        while (!atEnd() && isAsciiLetter(rtf_.at(pos_))) ++pos_;
        word.name = QStringView(rtf_).sliced(start, pos_ - start);
        const bool negative = !atEnd() && rtf_.at(pos_) == u'-' && pos_ + 1 < rtf_.size() &&
                              isAsciiDigit(rtf_.at(pos_ + 1));
        if (negative) ++pos_;
        qint64 value = 0;
        while (!atEnd() && isAsciiDigit(rtf_.at(pos_))) {
            word.hasParam = true;
            value = std::min(value * 10 + (rtf_.at(pos_).unicode() - u'0'), kParamLimit);
            ++pos_;
        }
        word.param = static_cast<int>(negative ? -value : value);
        if (!atEnd() && rtf_.at(pos_) == u' ')
            ++pos_;  // the delimiting space belongs to the control word
        return word;
    }

    void readHexByte() {
        int value = 0;
        int digits = 0;
        for (; digits < 2 && !atEnd() && hexValue(rtf_.at(pos_)) >= 0; ++digits)
            value = value * 16 + hexValue(rtf_.at(pos_++));
        if (consumeSkip() || digits < 2 || !inText()) return;  // a truncated escape shows nothing
        bytes_.append(static_cast<char>(value));
    }

    void controlSymbol(QChar symbol) {
        if (symbol == u'*') {
            state_.destination = Destination::Skipped;  // an optional destination we do not know
            return;
        }
        if (!inText()) return;
        if (symbol == u'\\' || symbol == u'{' || symbol == u'}')
            bytes_.append(static_cast<char>(symbol.unicode()));
        else if (symbol == u'\n' || symbol == u'\r')
            endParagraph();  // a backslash before a line end marks a paragraph
        else
            addSpecial(QStringView(&symbol, 1));
    }

    void controlWord(const ControlWord& word) {
        if (word.name == u"bin") {
            // Raw binary data follows; it is never text.
            pos_ += std::clamp<qsizetype>(word.param, 0, rtf_.size() - pos_);
            return;
        }
        if (consumeSkip()) return;
        if (state_.destination == Destination::ColourTable) colourWord(word);
        if (!inText()) return;
        if (!destinationWord(word.name) && !characterWord(word) && !formatWord(word))
            paragraphWord(word);
    }

    bool destinationWord(QStringView name) {
        if (name == u"colortbl") {
            state_.destination = Destination::ColourTable;
            colours_.clear();
            entry_.reset();
            return true;
        }
        if (!contains(kSkippedDestinations, name)) return false;
        state_.destination = Destination::Skipped;
        return true;
    }

    bool characterWord(const ControlWord& word) {
        if (word.name == u"u" && word.hasParam) {
            // A signed 16-bit value: negative numbers stand for the upper half.
            const int code = word.param < 0 ? word.param + 65536 : word.param;
            addChar(code >= 0 && code <= 0xFFFF ? static_cast<char16_t>(code) : u'\uFFFD');
            pendingSkip_ = state_.unicodeSkip;
            return true;
        }
        if (word.name == u"uc") {
            state_.unicodeSkip = std::max(word.param, 0);
            return true;
        }
        return addSpecial(word.name);
    }

    bool addSpecial(QStringView name) {
        for (const SpecialCharacter& special : kSpecialCharacters) {
            if (special.word == name) {
                addChar(special.character);
                return true;
            }
        }
        return false;
    }

    bool formatWord(const ControlWord& word) {
        CharState chars = state_.chars;
        const QStringView name = word.name;
        if (name == u"plain")
            chars = CharState{};
        else if (name == u"b")
            chars.bold = word.switchedOn();
        else if (name == u"i")
            chars.italic = word.switchedOn();
        else if (contains(kUnderlineOn, name))
            chars.underline = word.switchedOn();
        else if (name == u"ulnone")
            chars.underline = false;
        else if (name == u"fs")
            chars.halfPoints =
                word.hasParam ? word.clamped(kMinHalfPoints, kMaxHalfPoints) : kDefaultHalfPoints;
        else if (name == u"cf")
            chars.colour = std::max(word.param, 0);
        else
            return false;
        flushText();
        state_.chars = chars;
        return true;
    }

    void paragraphWord(const ControlWord& word) {
        const QStringView name = word.name;
        if (contains(kParagraphEnds, name)) {
            endParagraph();
            return;
        }
        ParaState para = state_.para;
        const auto alignment = std::find_if(std::begin(kAlignments), std::end(kAlignments),
                                            [name](const auto& a) { return a.first == name; });
        if (name == u"pard")
            para = ParaState{};
        else if (alignment != std::end(kAlignments))
            para.alignment = alignment->second;
        else if (name == u"li")
            para.leftTwips = word.clamped(-kMaxIndentTwips, kMaxIndentTwips);
        else if (name == u"ri")
            para.rightTwips = word.clamped(-kMaxIndentTwips, kMaxIndentTwips);
        else if (name == u"fi")
            para.firstLineTwips = word.clamped(-kMaxIndentTwips, kMaxIndentTwips);
        else
            return;  // unknown control words are ignored
        flushText();
        state_.para = para;
    }

    void colourWord(const ControlWord& word) {
        QColor colour = entry_.value_or(QColor(0, 0, 0));
        if (word.name == u"red")
            colour.setRed(word.clamped(0, 255));
        else if (word.name == u"green")
            colour.setGreen(word.clamped(0, 255));
        else if (word.name == u"blue")
            colour.setBlue(word.clamped(0, 255));
        else
            return;
        entry_ = colour;
    }

    void literal(QChar c) {
        if (c == u'\r' || c == u'\n') return;  // line ends in the source are not text
        if (consumeSkip()) return;
        if (state_.destination == Destination::ColourTable && c == u';') {
            colours_.push_back(entry_);  // an entry without components is the automatic colour
            entry_.reset();
        }
        if (!inText()) return;
        if (c.unicode() < 0x80)
            bytes_.append(static_cast<char>(c.unicode()));
        else
            addChar(c.unicode());
    }

    void addChar(char16_t c) {
        flushBytes();
        text_.append(QChar(c));
    }

    // Escaped bytes and plain characters of one run are decoded together, so that the two
    // bytes of a double-byte character meet even when the second one is plain ASCII.
    void flushBytes() {
        if (bytes_.isEmpty()) return;
        text_ += fromAnsi(bytes_);
        bytes_.clear();
    }

    void flushText() {
        flushBytes();
        if (text_.isEmpty()) return;
        cursor_.setBlockFormat(blockFormat());
        cursor_.insertText(cleaned(text_), charFormat());
        text_.clear();
    }

    void endParagraph() {
        flushText();
        cursor_.setBlockFormat(blockFormat());
        cursor_.insertBlock(blockFormat(), charFormat());
    }

    QTextCharFormat charFormat() const {
        const CharState& chars = state_.chars;
        QTextCharFormat format;
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline);
        format.setFontPointSize(chars.halfPoints / 2.0);
        const auto index = static_cast<std::size_t>(chars.colour);
        if (index > 0 && index < colours_.size() && colours_[index])
            format.setForeground(*colours_[index]);
        return format;
    }

    QTextBlockFormat blockFormat() const {
        const ParaState& para = state_.para;
        QTextBlockFormat format;
        format.setAlignment(para.alignment);
        format.setLeftMargin(para.leftTwips / kTwipsPerPixel);
        format.setRightMargin(para.rightTwips / kTwipsPerPixel);
        format.setTextIndent(para.firstLineTwips / kTwipsPerPixel);
        return format;
    }

    const QString& rtf_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;
    GroupState state_;
    std::vector<GroupState> stack_;
    std::vector<std::optional<QColor>> colours_;
    std::optional<QColor> entry_;  // the colour table entry being read
    int pendingSkip_ = 0;
    QByteArray bytes_;  // undecoded code-page bytes of the current run
    QString text_;      // decoded text of the current run, not yet in the document
};

}  // namespace

void loadRtf(QTextDocument& doc, const QString& rtf) {
    // The loaded text is content, not an edit the reader could undo.
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    RtfReader(doc, rtf).read();
    doc.setUndoRedoEnabled(undo);
}

}  // namespace qv
