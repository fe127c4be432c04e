#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace cuefold {

// An INI file held in memory. Every line is kept byte for byte with its own
// line end, so sections and keys this program does not know (other programs'
// entries, language tables, comments) survive a write unchanged and in order.
//
// Reading: section and key names compare case-insensitively; blanks around
// names and values are ignored, as in Windows profile files; the first
// occurrence of a section and of a key inside it wins. Writing replaces the
// first occurrence, or appends the key at the end of its section (a new
// section goes to the end of the file), with the names exactly as given.
// Values are raw single-byte text; line ends inside a written value would
// split the entry, so they become blanks. A UTF-8 byte-order mark in front
// is passed over when reading and written back.
class IniFile {
public:
    // Replaces the contents with the file's bytes. On a read failure the
    // store is left empty and false is returned.
    bool load(const QString &path);
    void setBytes(const QByteArray &bytes);
    QByteArray bytes() const;
    // Writes the whole file in one step (a flushed temporary file renamed over
    // it, see FileReplacement): a failure, a full disk included, keeps the old
    // file whole, and a file not writable by its permission bits is never
    // replaced. 0 or an I/O error code (io_error.h).
    int save(const QString &path) const;

    bool hasSection(const QByteArray &section) const;
    std::optional<QByteArray> value(const QByteArray &section, const QByteArray &key) const;

    // Typed reads: a missing or unparsable value gives the default.
    QByteArray readString(const QByteArray &section, const QByteArray &key, const QByteArray &def) const;
    int readInt(const QByteArray &section, const QByteArray &key, int def) const;
    bool readBool(const QByteArray &section, const QByteArray &key, bool def) const; // read as int, non-zero is true
    double readFloat(const QByteArray &section, const QByteArray &key, double def) const; // "." or ","

    void writeString(const QByteArray &section, const QByteArray &key, const QByteArray &value);
    void writeInt(const QByteArray &section, const QByteArray &key, int value);
    void writeBool(const QByteArray &section, const QByteArray &key, bool value);
    void writeFloat(const QByteArray &section, const QByteArray &key, double value);

private:
    struct Line {
        QByteArray text;
        QByteArray end; // "\r\n", "\n", "\r" or empty for an unterminated last line
        // Parsed once when the line is stored, so lookups in large language
        // files do not parse every line again.
        std::optional<QByteArray> section;
        std::optional<QByteArray> key;
    };
    static Line makeLine(const QByteArray &text, const QByteArray &end);
    // Index range of a section's body: the lines after its header up to the
    // next header.
    struct SectionRange {
        qsizetype header;
        qsizetype end;
    };

    std::optional<SectionRange> findSection(const QByteArray &section) const;
    std::optional<qsizetype> findKey(const SectionRange &range, const QByteArray &key) const;
    void insertLine(qsizetype index, const QByteArray &text);
    QByteArray newLineEnd() const;

    std::vector<Line> mLines;
    QByteArray mByteOrderMark;
};

} // namespace cuefold
