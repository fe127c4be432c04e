#include "editor/preview_format.h"

namespace cuefold {

namespace {

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool codeAt(const QByteArray &row, qsizetype i)
{
    if (i + 3 > row.size() || row[i] != '{' || row[i + 2] != ':')
        return false;
    const char kind = foldAscii(row[i + 1]);
    return kind == 'y' || kind == 'x';
}

qsizetype findCode(const QByteArray &row)
{
    for (qsizetype i = row.indexOf('{'); i >= 0; i = row.indexOf('{', i + 1))
        if (codeAt(row, i))
            return i;
    return -1;
}

bool commaBeforeBrace(const QByteArray &s)
{
    const qsizetype comma = s.indexOf(',');
    const qsizetype brace = s.indexOf('}');
    return comma >= 0 && (brace < 0 || comma < brace);
}

int styleBit(char letter)
{
    switch (foldAscii(letter)) {
    case 'b': return StyleBold;
    case 'i': return StyleItalic;
    case 's': return StyleStrikeOut;
    case 'u': return StyleUnderline;
    default: return 0;
    }
}

void apply(int &style, bool on, const QByteArray &row, qsizetype at)
{
    if (at >= row.size())
        return;
    const int bit = styleBit(row[at]);
    style = on ? (style | bit) : (style & ~bit);
}

void renderRow(QByteArray row, int &style, PreviewRow &out)
{
    const bool carry = row.contains("{Y:");
    while (!row.isEmpty()) {
        if (codeAt(row, 0)) {
            const bool on = foldAscii(row[1]) == 'y';
            apply(style, on, row, 3);
            bool more = commaBeforeBrace(row);
            row.remove(0, 5);
            while (more && !row.isEmpty()) {
                apply(style, on, row, 0);
                more = commaBeforeBrace(row);
                row.remove(0, 2);
            }
        }
        const qsizetype next = findCode(row);
        const QByteArray plain = next < 0 ? row : row.left(next);
        if (!plain.isEmpty())
            out.append({plain, style});
        row = next < 0 ? QByteArray() : row.mid(next);
    }
    if (!carry)
        style = 0;
}

} // namespace

QList<PreviewRow> FormatPreview(const QByteArray &text)
{
    QList<PreviewRow> rows;
    if (text.isEmpty())
        return rows;
    int style = 0;
    for (const QByteArray &piece : text.split('|')) {
        PreviewRow row;
        renderRow(piece, style, row);
        rows.append(row);
    }
    return rows;
}

} // namespace cuefold
