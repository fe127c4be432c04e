#include "document/text_codec.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace cuefold {

struct TextCodec::Tables {
    QByteArray name;
    std::array<char16_t, 256> unicode{};
    QHash<char16_t, uchar> bytes;
    std::array<uchar, 256> upper{};

    // False when the encoding is unknown or not single-byte with ASCII kept.
    bool build(const QByteArray &codec)
    {
        QStringDecoder decoder(codec.constData());
        if (!decoder.isValid())
            return false;
        name = codec;
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const QString s = decoder.decode(QByteArrayView(&c, 1));
            if (s.size() != 1 || (b < 128 && s.at(0).unicode() != b))
                return false;
            unicode[b] = s.at(0).unicode();
            // Undefined positions decode to U+FFFD; keep the first byte for them.
            if (!bytes.contains(unicode[b]))
                bytes.insert(unicode[b], uchar(b));
        }
        for (int b = 0; b < 256; ++b) {
            const auto it = bytes.constFind(QChar(unicode[b]).toUpper().unicode());
            upper[b] = it == bytes.cend() ? uchar(b) : *it;
        }
        return true;
    }
};

namespace {

bool IsUtf8Name(const QByteArray &name)
{
    return name.compare("UTF-8", Qt::CaseInsensitive) == 0 || name.compare("UTF8", Qt::CaseInsensitive) == 0;
}

bool IsContinuation(char c) { return (uchar(c) & 0xC0) == 0x80; }

QByteArray MapBytes(const QByteArray &in, const std::array<uchar, 256> &table)
{
    QByteArray out(in.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < in.size(); ++i)
        out[i] = char(table[uchar(in[i])]);
    return out;
}

bool IsAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

// Built tables are kept: documents and the settings switch between few pages.
std::shared_ptr<const TextCodec::Tables> TablesFor(const QByteArray &name)
{
    static QHash<QByteArray, std::shared_ptr<const TextCodec::Tables>> built;
    const QByteArray key = name.toLower();
    if (const auto it = built.constFind(key); it != built.cend())
        return *it;
    auto t = std::make_shared<TextCodec::Tables>();
    std::shared_ptr<const TextCodec::Tables> result;
    if (t->build(name))
        result = t;
    built.insert(key, result);
    return result;
}

} // namespace

TextCodec::TextCodec(const QByteArray &name)
{
    if (IsUtf8Name(name))
        return;
    mTables = TablesFor(name);
    if (!mTables)
        mTables = TablesFor("windows-1250");
}

bool TextCodec::isUsable(const QByteArray &name)
{
    return IsUtf8Name(name) || TablesFor(name) != nullptr;
}

QByteArray TextCodec::name() const
{
    return mTables ? mTables->name : QByteArray(Utf8Name);
}

QString TextCodec::toUnicode(QByteArrayView bytes) const
{
    if (!mTables)
        return QString::fromUtf8(bytes);
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(mTables->unicode[uchar(bytes[i])]);
    return out;
}

QByteArray TextCodec::fromUnicode(const QString &text) const
{
    if (!mTables)
        return text.toUtf8();
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const auto it = mTables->bytes.constFind(c.unicode());
        out.append(it == mTables->bytes.cend() ? '?' : char(*it));
    }
    return out;
}

QString TextCodec::unholdable(const QString &text) const
{
    QString missing;
    if (!mTables)
        return missing;
    for (QChar c : text)
        if (!mTables->bytes.contains(c.unicode()) && !missing.contains(c))
            missing += c;
    return missing;
}

QByteArray TextCodec::upper(const QByteArray &bytes) const
{
    if (mTables)
        return MapBytes(bytes, mTables->upper);
    if (IsAscii(bytes))
        return bytes.toUpper();
    // Bytes that are no UTF-8 (a file read as UTF-8 that is not) stay as
    // they are; only ASCII letters change there.
    const QString text = QString::fromUtf8(bytes);
    return text.toUtf8() == bytes ? text.toUpper().toUtf8() : bytes.toUpper();
}

bool TextCodec::equalsIgnoreCase(const QByteArray &a, const QByteArray &b) const
{
    if (mTables)
        return a.size() == b.size() && upper(a) == upper(b);
    return upper(a) == upper(b);
}

qsizetype TextCodec::length(QByteArrayView bytes) const
{
    if (mTables)
        return bytes.size();
    qsizetype n = 0;
    for (char c : bytes)
        n += startsCharacter(c);
    return n;
}

qsizetype TextCodec::charSize(QByteArrayView bytes, qsizetype pos) const
{
    qsizetype end = pos + 1;
    if (!mTables)
        while (end < bytes.size() && IsContinuation(bytes[end]))
            ++end;
    return end - pos;
}

qsizetype TextCodec::charStart(QByteArrayView bytes, qsizetype pos) const
{
    if (!mTables)
        while (pos > 0 && pos < bytes.size() && IsContinuation(bytes[pos]))
            --pos;
    return pos;
}

qsizetype TextCodec::byteOffset(QByteArrayView bytes, qsizetype index) const
{
    qsizetype pos = 0;
    for (; index > 0 && pos < bytes.size(); --index)
        pos += charSize(bytes, pos);
    return std::min(pos, bytes.size());
}

TextEncoding DetectEncoding(QByteArrayView head, const QByteArray &fallback)
{
    if (head.startsWith(Utf8Bom))
        return {Utf8Name, true};
    bool multiByte = false;
    for (qsizetype i = 0; i < head.size();) {
        const uchar c = uchar(head[i]);
        const int extra = c < 0x80 ? 0 : c >= 0xC2 && c <= 0xDF ? 1 : c >= 0xE0 && c <= 0xEF ? 2 : c >= 0xF0 && c <= 0xF4 ? 3 : -1;
        if (extra < 0)
            return {fallback, false};
        const qsizetype end = std::min(i + 1 + extra, head.size()); // a sequence cut at the end counts
        for (qsizetype k = i + 1; k < end; ++k)
            if (!IsContinuation(head[k]))
                return {fallback, false};
        // Overlong forms and surrogates are no UTF-8.
        const uchar c1 = end > i + 1 ? uchar(head[i + 1]) : 0;
        if (c1 && ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 >= 0x90)))
            return {fallback, false};
        multiByte |= extra > 0;
        i = end;
    }
    return {multiByte ? QByteArray(Utf8Name) : fallback, false};
}

QString DescribeEncoding(const TextEncoding &encoding)
{
    return QString::fromLatin1(encoding.Name) + (encoding.Bom ? QStringLiteral(" BOM") : QString());
}

QStringList OfferedEncodings()
{
    static const QStringList offered = [] {
        const char *const names[] = {
            "UTF-8",        "windows-1250", "windows-1252", "windows-1251", "ISO-8859-2",  "windows-1253",
            "windows-1254", "windows-1255", "windows-1256", "windows-1257", "windows-1258", "ISO-8859-1",
            "ISO-8859-3",   "ISO-8859-4",   "ISO-8859-5",   "ISO-8859-6",   "ISO-8859-7",  "ISO-8859-8",
            "ISO-8859-9",   "ISO-8859-10",  "ISO-8859-13",  "ISO-8859-14",  "ISO-8859-15", "ISO-8859-16",
            "KOI8-R",       "KOI8-U",       "IBM852",       "IBM866",       "IBM437",      "IBM850",
            "macintosh",    "x-mac-cyrillic", "x-mac-centraleurroman", "TIS-620",
        };
        QStringList list;
        for (const char *n : names)
            if (TextCodec::isUsable(n))
                list << QString::fromLatin1(n);
        return list;
    }();
    return offered;
}

namespace {
struct OpenDocumentCodec {
    TextEncoding encoding;
    TextCodec codec{encoding.Name};
};
OpenDocumentCodec &Open()
{
    static OpenDocumentCodec open;
    return open;
}
} // namespace

const TextCodec &DocumentCodec() { return Open().codec; }
const TextEncoding &DocumentEncoding() { return Open().encoding; }

void SelectDocumentEncoding(const TextEncoding &encoding)
{
    Open().codec = TextCodec(encoding.Name);
    Open().encoding = {Open().codec.name(), encoding.Bom && Open().codec.isUtf8()};
}

} // namespace cuefold
