#pragma once

#include "document/display_time.h"
#include "document/document.h"
#include "document/reader.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <cstdio>
#include <memory>

namespace cuefold::testing {

// The defaults, fixed here so tests do not depend on the settings file.
inline const DisplayTimeRule DefaultRule{2, 12, 1000};

inline std::unique_ptr<Document> ReadBytes(const QByteArray &bytes, bool *valid = nullptr)
{
    auto doc = std::make_unique<Document>();
    doc->reset();
    const bool ok = ReadSubtitles(bytes, *doc, DefaultRule);
    if (valid)
        *valid = ok;
    return doc;
}

// The file read as opening it reads it; an empty document when it cannot be opened.
inline std::unique_ptr<Document> ReadFileAt(const QString &path)
{
    auto doc = std::make_unique<Document>();
    doc->reset();
    QFile file(path);
    if (OpenForReading(file) == 0)
        ReadSubtitles(file, *doc, DefaultRule);
    return doc;
}

inline QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// A file named by its bytes, past Qt's file names, which cannot hold every
// name the system can.
inline bool WriteRawNamed(const QByteArray &path, const QByteArray &bytes)
{
    std::FILE *f = std::fopen(path.constData(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
    return std::fclose(f) == 0 && written;
}

inline QByteArray ReadRawNamed(const QByteArray &path)
{
    std::FILE *f = std::fopen(path.constData(), "rb");
    if (!f)
        return "<unreadable>";
    QByteArray bytes;
    char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, f)) > 0;)
        bytes.append(chunk, qsizetype(got));
    std::fclose(f);
    return bytes;
}

inline QString TestDataPath(const char *name)
{
    return QStringLiteral(CUEFOLD_TEST_DATA "/") + QString::fromUtf8(name);
}

// Makes a file immutable for as long as it lives: the one read-only state
// that stops even root. Filesystems without the flag leave active() false.
class ImmutableFile {
public:
    explicit ImmutableFile(QString path) : path_(std::move(path))
    {
        active_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
    }
    ~ImmutableFile()
    {
        if (active_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
    }
    ImmutableFile(const ImmutableFile &) = delete;
    ImmutableFile &operator=(const ImmutableFile &) = delete;
    bool active() const { return active_; }

private:
    QString path_;
    bool active_ = false;
};

} // namespace cuefold::testing
