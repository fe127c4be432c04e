#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>

namespace cuefold {

// The encoding a document was read in, and whether its file began with a
// UTF-8 byte order mark (written back when saving).
struct TextEncoding {
    QByteArray Name = "windows-1250";
    bool Bom = false;
    bool operator==(const TextEncoding &) const = default;
};

inline constexpr char Utf8Name[] = "UTF-8";
inline constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

// Texts are kept as bytes in one encoding: a single-byte code page or UTF-8.
// Everything that turns them into characters, compares their letters or
// counts them goes through here, so the rest of the program never needs to
// know which encoding it has.
class TextCodec {
public:
    // Falls back to windows-1250 when Qt does not know the name or the
    // encoding is neither single-byte nor UTF-8.
    explicit TextCodec(const QByteArray &name = "windows-1250");
    static bool isUsable(const QByteArray &name);

    QByteArray name() const;
    bool isUtf8() const { return !mTables; }

    QString toUnicode(QByteArrayView bytes) const;
    // Characters the encoding cannot hold become "?"; check holdable() first
    // where that must not happen.
    QByteArray fromUnicode(const QString &text) const;
    // The characters of `text` the encoding cannot hold, each once, in order.
    QString unholdable(const QString &text) const;

    // Upper case by the encoding's own letters.
    QByteArray upper(const QByteArray &bytes) const;
    bool equalsIgnoreCase(const QByteArray &a, const QByteArray &b) const;

    // Characters, not bytes, of `bytes`.
    qsizetype length(QByteArrayView bytes) const;
    // Byte `c` begins a character (UTF-8 continuation bytes do not).
    bool startsCharacter(char c) const { return mTables || (uchar(c) & 0xC0) != 0x80; }
    // Bytes of the character starting at `pos` (1 for a single-byte page).
    qsizetype charSize(QByteArrayView bytes, qsizetype pos) const;
    // Start of the character holding byte `pos`.
    qsizetype charStart(QByteArrayView bytes, qsizetype pos) const;
    // Byte offset of character number `index` (clamped to the end).
    qsizetype byteOffset(QByteArrayView bytes, qsizetype index) const;

    struct Tables; // a single-byte page's conversion and case tables

private:
    std::shared_ptr<const Tables> mTables; // null for UTF-8
};

// The encoding a file's first bytes tell: a UTF-8 mark, or valid UTF-8 with
// at least one multi-byte character, means UTF-8; anything else is read in
// `fallback`. A sequence cut at the end of `head` is taken as valid, since
// `head` may be only the start of the file.
TextEncoding DetectEncoding(QByteArrayView head, const QByteArray &fallback);

// "UTF-8 BOM", "windows-1250": how the program names an encoding.
QString DescribeEncoding(const TextEncoding &encoding);

// The encodings offered to choose from: the usual ones first, then every
// other one Qt converts that keeps ASCII bytes as they are.
QStringList OfferedEncodings();

// The codec of the open document: the only way its texts become characters.
const TextCodec &DocumentCodec();
const TextEncoding &DocumentEncoding();
void SelectDocumentEncoding(const TextEncoding &encoding);

} // namespace cuefold
