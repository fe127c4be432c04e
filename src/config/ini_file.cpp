#include "config/ini_file.h"

#include "document/code_page.h"
#include "document/frame_text.h"
#include "document/io_error.h"
#include "document/safe_write.h"

#include <QFile>
#include <QLocale>

namespace cuefold {

namespace {

const char Utf8ByteOrderMark[] = "\xEF\xBB\xBF";

// "[Name]" gives Name; anything else is not a section header.
std::optional<QByteArray> sectionNameOf(const QByteArray &text)
{
    const QByteArray t = text.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool isComment(const QByteArray &trimmed)
{
    return trimmed.startsWith(';') || trimmed.startsWith('#');
}

// "Key=Value" gives Key; comments, headers and lines without "=" give nothing.
std::optional<QByteArray> keyNameOf(const QByteArray &text)
{
    const QByteArray t = text.trimmed();
    if (t.isEmpty() || isComment(t) || t.startsWith('['))
        return std::nullopt;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0)
        return std::nullopt;
    return t.left(eq).trimmed();
}

QByteArray valueOf(const QByteArray &text)
{
    return text.mid(text.indexOf('=') + 1).trimmed();
}

// A line end inside a name or value would split the entry into two lines.
QByteArray singleLine(QByteArray s)
{
    s.replace('\r', ' ');
    s.replace('\n', ' ');
    return s;
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return CodePage::equalsIgnoreCase(a, b);
}

} // namespace

IniFile::Line IniFile::makeLine(const QByteArray &text, const QByteArray &end)
{
    return Line{text, end, sectionNameOf(text), keyNameOf(text)};
}

bool IniFile::load(const QString &path)
{
    setBytes(QByteArray());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    setBytes(data);
    return true;
}

void IniFile::setBytes(const QByteArray &bytes)
{
    mLines.clear();
    // Editors that save as UTF-8 put a byte-order mark in front; it would hide
    // the first section header. It is kept for the write back.
    mByteOrderMark = bytes.startsWith(Utf8ByteOrderMark) ? QByteArray(Utf8ByteOrderMark) : QByteArray();
    qsizetype start = mByteOrderMark.size();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        const qsizetype endLength = (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
        mLines.push_back(makeLine(bytes.mid(start, i - start), bytes.mid(i, endLength)));
        i += endLength - 1;
        start = i + 1;
    }
    if (start < n)
        mLines.push_back(makeLine(bytes.mid(start), QByteArray()));
}

QByteArray IniFile::bytes() const
{
    QByteArray out = mByteOrderMark;
    for (const Line &line : mLines)
        out += line.text + line.end;
    return out;
}

int IniFile::save(const QString &path) const
{
    return ReplaceFileContents(path, bytes());
}

std::optional<IniFile::SectionRange> IniFile::findSection(const QByteArray &section) const
{
    const qsizetype count = qsizetype(mLines.size());
    for (qsizetype i = 0; i < count; ++i) {
        const auto &name = mLines[size_t(i)].section;
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < count && !mLines[size_t(end)].section)
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> IniFile::findKey(const SectionRange &range, const QByteArray &key) const
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto &name = mLines[size_t(i)].key;
        if (name && sameName(*name, key))
            return i;
    }
    return std::nullopt;
}

bool IniFile::hasSection(const QByteArray &section) const
{
    return findSection(section).has_value();
}

std::optional<QByteArray> IniFile::value(const QByteArray &section, const QByteArray &key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index)
        return std::nullopt;
    return valueOf(mLines[size_t(*index)].text);
}

QByteArray IniFile::readString(const QByteArray &section, const QByteArray &key, const QByteArray &def) const
{
    return value(section, key).value_or(def);
}

int IniFile::readInt(const QByteArray &section, const QByteArray &key, int def) const
{
    const auto text = value(section, key);
    if (!text)
        return def;
    bool ok = false;
    const int v = text->toInt(&ok, 10);
    return ok ? v : def;
}

bool IniFile::readBool(const QByteArray &section, const QByteArray &key, bool def) const
{
    return readInt(section, key, def ? 1 : 0) != 0;
}

double IniFile::readFloat(const QByteArray &section, const QByteArray &key, double def) const
{
    const auto text = value(section, key);
    double v = 0;
    return text && ParseDecimal(*text, v) ? v : def;
}

QByteArray IniFile::newLineEnd() const
{
    for (const Line &line : mLines)
        if (!line.end.isEmpty())
            return line.end;
    return "\r\n";
}

void IniFile::insertLine(qsizetype index, const QByteArray &text)
{
    const QByteArray end = newLineEnd();
    if (index > 0 && mLines[size_t(index - 1)].end.isEmpty())
        mLines[size_t(index - 1)].end = end;
    mLines.insert(mLines.begin() + index, makeLine(text, end));
}

void IniFile::writeString(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray entry = singleLine(key) + '=' + singleLine(value);
    const auto range = findSection(section);
    if (!range) {
        insertLine(qsizetype(mLines.size()), '[' + singleLine(section) + ']');
        insertLine(qsizetype(mLines.size()), entry);
        return;
    }
    if (const auto index = findKey(*range, key)) {
        Line &line = mLines[size_t(*index)];
        line = makeLine(entry, line.end);
        return;
    }
    // After the section's last non-blank line, so blank separator lines
    // before the next section stay where they are.
    qsizetype after = range->end;
    while (after - 1 > range->header && mLines[size_t(after - 1)].text.trimmed().isEmpty())
        --after;
    insertLine(after, entry);
}

void IniFile::writeInt(const QByteArray &section, const QByteArray &key, int value)
{
    writeString(section, key, QByteArray::number(value));
}

void IniFile::writeBool(const QByteArray &section, const QByteArray &key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

void IniFile::writeFloat(const QByteArray &section, const QByteArray &key, double value)
{
    writeString(section, key, QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
}

} // namespace cuefold
