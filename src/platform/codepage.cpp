#include "codepage.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace qv {
namespace {

class Iconv {
  public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Iconv() { iconv_close(handle_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts one unit (a whole buffer); returns false when the input is not valid.
    bool convert(const char* in, size_t inLen, QByteArray& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.resize(static_cast<qsizetype>(inLen * 4 + 16));
        char* inPtr = const_cast<char*>(in);
        char* outPtr = out.data();
        size_t inLeft = inLen;
        size_t outLeft = static_cast<size_t>(out.size());
        size_t rc = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
        if (rc == static_cast<size_t>(-1)) return false;
        rc = iconv(handle_, nullptr, nullptr, &outPtr, &outLeft);
        if (rc == static_cast<size_t>(-1)) return false;
        out.resize(outPtr - out.data());
        return true;
    }

  private:
    iconv_t handle_;
};

}  // namespace

QByteArray toAnsi(const QString& text) {
    static thread_local Iconv encoder("CP936", "UTF-8");
    QByteArray result;
    result.reserve(text.size());
    QByteArray piece;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            result.append(static_cast<char>(c.unicode()));
            continue;
        }
        qsizetype len = (c.isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray utf8 = QString(text.constData() + i, len).toUtf8();
        i += len - 1;
        if (encoder.convert(utf8.constData(), static_cast<size_t>(utf8.size()), piece) &&
            !piece.isEmpty()) {
            result.append(piece);
        } else {
            result.append('?');
        }
    }
    return result;
}

QString fromAnsi(const QByteArray& bytes) {
    static thread_local Iconv decoder("UTF-8", "CP936");
    QString result;
    result.reserve(bytes.size());
    QByteArray piece;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        if (b < 0x80) {
            // Runs of ASCII are by far the common case in form and output files.
            qsizetype j = i;
            while (j < n && static_cast<unsigned char>(bytes.at(j)) < 0x80) ++j;
            result.append(QLatin1StringView(bytes.constData() + i, j - i));
            i = j;
            continue;
        }
        if (i + 1 < n && decoder.convert(bytes.constData() + i, 2, piece) && !piece.isEmpty()) {
            result.append(QString::fromUtf8(piece));
            i += 2;
            continue;
        }
        if (decoder.convert(bytes.constData() + i, 1, piece) && !piece.isEmpty()) {
            result.append(QString::fromUtf8(piece));  // the euro sign at 0x80
            ++i;
            continue;
        }
        result.append(QChar(0xFFFD));
        ++i;
    }
    return result;
}

}  // namespace qv
