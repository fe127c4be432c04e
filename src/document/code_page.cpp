#include "document/code_page.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace cuefold {

namespace {

struct Tables {
    QByteArray name;
    std::array<char16_t, 256> unicode{};
    QHash<char16_t, uchar> bytes;
    std::array<uchar, 256> upper{};
    std::array<uchar, 256> lower{};

    bool build(const QByteArray &codec)
    {
        QStringDecoder decoder(codec.constData());
        if (!decoder.isValid())
            return false;
        name = codec;
        bytes.clear();
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const QString s = decoder.decode(QByteArrayView(&c, 1));
            if (s.size() != 1)
                return false;
            unicode[b] = s.at(0).unicode();
            // Undefined positions decode to U+FFFD; keep the first byte for them.
            if (!bytes.contains(unicode[b]))
                bytes.insert(unicode[b], uchar(b));
        }
        auto mapCase = [this](int b, bool up) {
            const QChar ch(unicode[b]);
            const QChar other = up ? ch.toUpper() : ch.toLower();
            const auto it = bytes.constFind(other.unicode());
            return it == bytes.cend() ? uchar(b) : *it;
        };
        for (int b = 0; b < 256; ++b) {
            upper[b] = mapCase(b, true);
            lower[b] = mapCase(b, false);
        }
        return true;
    }
};

Tables &tables()
{
    static Tables t = [] {
        Tables x;
        x.build("windows-1250");
        return x;
    }();
    return t;
}

QByteArray mapBytes(const QByteArray &in, const std::array<uchar, 256> &table)
{
    QByteArray out(in.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < in.size(); ++i)
        out[i] = char(table[uchar(in[i])]);
    return out;
}

} // namespace

void CodePage::select(const QByteArray &name)
{
    Tables t;
    if (!name.isEmpty() && t.build(name))
        tables() = t;
    else if (tables().name != "windows-1250")
        tables().build("windows-1250");
}

QByteArray CodePage::name()
{
    return tables().name;
}

QString CodePage::toUnicode(const QByteArray &bytes)
{
    const Tables &t = tables();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(t.unicode[uchar(bytes[i])]);
    return out;
}

QByteArray CodePage::fromUnicode(const QString &text)
{
    const Tables &t = tables();
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const auto it = t.bytes.constFind(c.unicode());
        out.append(it == t.bytes.cend() ? '?' : char(*it));
    }
    return out;
}

QByteArray CodePage::upper(const QByteArray &bytes)
{
    return mapBytes(bytes, tables().upper);
}

QByteArray CodePage::lower(const QByteArray &bytes)
{
    return mapBytes(bytes, tables().lower);
}

bool CodePage::equalsIgnoreCase(const QByteArray &a, const QByteArray &b)
{
    return a.size() == b.size() && upper(a) == upper(b);
}

qsizetype CodePage::indexOfIgnoreCase(const QByteArray &haystack, const QByteArray &needle, qsizetype from)
{
    return upper(haystack).indexOf(upper(needle), from);
}

} // namespace cuefold
