#include "document/code_page.h"

#include "document/text_codec.h"

namespace cuefold {

namespace {

TextCodec &Page()
{
    static TextCodec page;
    return page;
}

} // namespace

void CodePage::select(const QByteArray &name)
{
    // The settings and language files are single-byte: UTF-8 is no choice here.
    const TextCodec chosen(name);
    Page() = chosen.isUtf8() ? TextCodec() : chosen;
}

QByteArray CodePage::name() { return Page().name(); }
QString CodePage::toUnicode(const QByteArray &bytes) { return Page().toUnicode(bytes); }
QByteArray CodePage::fromUnicode(const QString &text) { return Page().fromUnicode(text); }
QByteArray CodePage::upper(const QByteArray &bytes) { return Page().upper(bytes); }

bool CodePage::equalsIgnoreCase(const QByteArray &a, const QByteArray &b)
{
    return Page().equalsIgnoreCase(a, b);
}

} // namespace cuefold
