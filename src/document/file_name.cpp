#include "document/file_name.h"

#include <dirent.h>
#include <sys/stat.h>

namespace cuefold {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool IsEscape(const QString &name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF && !(i > 0 && name[i - 1].isHighSurrogate());
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at bytes[i], or 0: no
// overlong forms, no surrogates, nothing above U+10FFFF.
qsizetype SequenceLength(QByteArrayView bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[i + k]); };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    }
    if (length == 0 || i + length > bytes.size() || at(1) < low || at(1) > high)
        return 0;
    for (qsizetype k = 2; k < length; ++k)
        if (!IsContinuation(at(k)))
            return 0;
    return length;
}

} // namespace

QString FileNameFromBytes(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        if (const qsizetype length = SequenceLength(bytes, i)) {
            name += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        } else {
            name += QChar(char16_t(EscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        }
    }
    return name;
}

QByteArray FileNameBytes(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype start = 0; // the start of the run not yet encoded
    for (qsizetype i = 0; i <= name.size(); ++i) {
        const bool escaped = i < name.size() && IsEscape(name, i);
        if (i < name.size() && !escaped)
            continue;
        bytes += QStringView(name).sliced(start, i - start).toUtf8();
        if (escaped)
            bytes += char(name[i].unicode() - EscapeBase);
        start = i + 1;
    }
    return bytes;
}

QStringList CommandLineArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileNameFromBytes(argv[i]);
    return arguments;
}

bool FileExists(const QString &name)
{
    struct stat info;
    return stat(FileNameBytes(name).constData(), &info) == 0;
}

bool IsRegularFile(const QString &name)
{
    struct stat info;
    return stat(FileNameBytes(name).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsFolder(const QString &name)
{
    struct stat info;
    return stat(FileNameBytes(name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

QString DisplayFileName(const QString &name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (IsEscape(name, i))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

std::vector<FolderEntry> ListFolder(const QString &folder)
{
    std::vector<FolderEntry> entries;
    const QByteArray path = FileNameBytes(folder);
    DIR *dir = opendir(path.constData());
    if (!dir)
        return entries;
    const QByteArray prefix = path.endsWith('/') ? path : path + '/';
    while (const dirent *entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat info;
        const bool isFolder = stat((prefix + name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({FileNameFromBytes(name), isFolder});
    }
    closedir(dir);
    return entries;
}

} // namespace cuefold
