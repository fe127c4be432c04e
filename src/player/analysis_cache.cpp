#include "player/analysis_cache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace cuefold::AnalysisCache {

namespace {

// Written first in every entry: an entry of another format is no result.
constexpr char Magic[] = "cuefold-analysis-1\n";

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/cuefold");
}

} // namespace

QString entryFile(const QString &moviePath, const QByteArray &kind)
{
    const QFileInfo movie(moviePath);
    if (!movie.isFile())
        return {};
    QCryptographicHash key(QCryptographicHash::Sha256);
    key.addData(QFile::encodeName(movie.absoluteFilePath()));
    key.addData(QByteArray::number(movie.size()) + '/' +
                QByteArray::number(movie.lastModified().toMSecsSinceEpoch()));
    return folder() + u'/' + QString::fromLatin1(key.result().toHex()) + u'.' + QString::fromLatin1(kind);
}

std::optional<QByteArray> read(const QString &moviePath, const QByteArray &kind)
{
    const QString name = entryFile(moviePath, kind);
    QFile file(name);
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = file.readAll();
    if (!data.startsWith(Magic))
        return std::nullopt;
    return data.mid(sizeof Magic - 1);
}

bool write(const QString &moviePath, const QByteArray &kind, const QByteArray &data)
{
    const QString name = entryFile(moviePath, kind);
    if (name.isEmpty() || !QDir().mkpath(folder()))
        return false;
    QSaveFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(Magic) == qint64(sizeof Magic - 1) &&
           file.write(data) == data.size() && file.commit();
}

} // namespace cuefold::AnalysisCache
