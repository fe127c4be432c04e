#include "player/movie_lookup.h"

#include <QDir>
#include <QFileInfo>

namespace cuefold {

namespace {

QString withoutTrailingSeparators(QString folder)
{
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator())))
        folder.chop(1);
    return folder;
}

} // namespace

QString FindMovie(const QString &subtitlePath)
{
    const QFileInfo sub(subtitlePath);
    const QDir folder = sub.absoluteDir();
    const QString base = sub.completeBaseName();
    if (base.isEmpty() || !folder.exists())
        return QString();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    QString found;
    for (const char *extension : {".asf", ".mpeg", ".mpg", ".avi"}) {
        const QString wanted = base + QLatin1String(extension);
        QString match;
        for (const QString &name : names) {
            if (name.compare(wanted, Qt::CaseInsensitive) != 0)
                continue;
            match = folder.filePath(name);
            if (name == wanted)
                break; // the exact spelling wins over other letter cases
        }
        if (!match.isEmpty())
            found = match;
    }
    return found;
}

QString FindMovieForSubtitles(const QString &subtitlePath, const QString &openFolder)
{
    const QString beside = FindMovie(subtitlePath);
    if (!beside.isEmpty())
        return beside;
    const QFileInfo sub(subtitlePath);
    const QString own = withoutTrailingSeparators(sub.absolutePath());
    const QString other = withoutTrailingSeparators(openFolder);
    if (other.isEmpty() || own == other)
        return QString();
    return FindMovie(other + QLatin1Char('/') + sub.fileName());
}

} // namespace cuefold
