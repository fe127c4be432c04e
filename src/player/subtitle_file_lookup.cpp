#include "player/subtitle_file_lookup.h"

#include <QDir>
#include <QFileInfo>

namespace cuefold {

namespace {

const char *const SubtitleExtensions[] = {".sub", ".txt"};

// Case-insensitive file systems are not assumed: the folder is listed and
// the names compared, so FILM.SUB is found for film.avi on any system.
QString findInFolder(const QDir &folder, const QString &baseName)
{
    if (!folder.exists())
        return QString();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const char *extension : SubtitleExtensions) {
        const QString wanted = baseName + QLatin1String(extension);
        if (names.contains(wanted))
            return folder.filePath(wanted);
        for (const QString &name : names)
            if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                return folder.filePath(name);
    }
    return QString();
}

} // namespace

QStringList FilterSearchFolders(const QString &subPath)
{
    QStringList folders;
    for (const QString &entry : subPath.split(QLatin1Char(';'))) {
        const QString folder = entry.trimmed();
        if (!folder.isEmpty() && QDir::isAbsolutePath(folder))
            folders.append(folder);
    }
    return folders;
}

QString FindFilterSubtitleFile(const QString &moviePath, const QString &subPath)
{
    const QFileInfo movie(moviePath);
    const QString baseName = movie.completeBaseName();
    if (baseName.isEmpty())
        return QString();
    QStringList folders = FilterSearchFolders(subPath);
    folders.append(movie.absolutePath());
    for (const QString &folder : folders) {
        const QString found = findInFolder(QDir(folder), baseName);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

} // namespace cuefold
