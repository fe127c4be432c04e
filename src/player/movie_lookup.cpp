#include "player/movie_lookup.h"

#include "document/file_name.h"

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

// `wanted` among the folder's names in any letter case; the exact spelling
// wins over other cases. Empty when absent.
QString findName(const QString &folder, const QStringList &names, const QString &wanted)
{
    QString match;
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        match = folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
        if (name == wanted)
            break;
    }
    return match;
}

} // namespace

QString FindMovie(const QString &subtitlePath)
{
    const QFileInfo sub(subtitlePath);
    // Listed by the program itself: a movie whose name is not UTF-8 is found
    // beside subtitles of the same name.
    const QString folder = withoutTrailingSeparators(sub.absolutePath());
    const QString base = sub.completeBaseName();
    if (base.isEmpty() || !IsFolder(folder))
        return QString();
    QStringList names;
    for (const FolderEntry &entry : ListFolder(folder))
        if (!entry.folder)
            names << entry.name;
    QString found;
    for (const char *extension : {".asf", ".mpeg", ".mpg", ".avi"}) {
        const QString match = findName(folder, names, base + QLatin1String(extension));
        if (!match.isEmpty())
            found = match;
    }
    for (const char *extension : {".mkv", ".mp4", ".m4v", ".webm", ".ogv", ".mov", ".wmv"}) {
        if (!found.isEmpty())
            break;
        found = findName(folder, names, base + QLatin1String(extension));
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
