#pragma once

#include <QByteArray>
#include <QString>

namespace cuefold {

// Language texts and the settings are single-byte text in one code page
// (windows-1250 unless the settings name another). They stay bytes in memory
// and on disk; this is the only place they are turned into Unicode for widgets
// and back. Subtitle texts have their own: DocumentCodec (text_codec.h).
class CodePage {
public:
    // Selects the code page; falls back to windows-1250 when Qt does not know
    // the name or the encoding is not single-byte.
    static void select(const QByteArray &name);
    static QByteArray name();

    static QString toUnicode(const QByteArray &bytes);
    // Characters the code page cannot hold become "?".
    static QByteArray fromUnicode(const QString &text);
    // Upper-casing by the code page's own letters.
    static QByteArray upper(const QByteArray &bytes);
    static bool equalsIgnoreCase(const QByteArray &a, const QByteArray &b);
};

// What a widget shows of a language text.
inline QString Unicode(const QByteArray &bytes)
{
    return CodePage::toUnicode(bytes);
}

} // namespace cuefold
