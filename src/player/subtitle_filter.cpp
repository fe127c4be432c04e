#include "player/subtitle_filter.h"

#include "config/settings.h"
#include "player/shared_folder_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace cuefold {

namespace {

// A fresh name each time, made by an exclusive create: a file already in the
// folder, or a symbolic link planted there, is never opened.
const char ProbeTemplate[] = "$$$$$$$$-XXXXXX.tmp";
const char ProbeText[] = "Test mo\x9Enosti z\xE1pisu"; // windows-1250, as the program writes text

const char PreviewFolderPrefix[] = "Cuefold-";

// The process id in "Cuefold-<pid>-XXXXXX", or 0 for any other name.
qint64 PreviewFolderOwner(const QString &name)
{
    if (!name.startsWith(QLatin1String(PreviewFolderPrefix)))
        return 0;
    const QStringList parts = name.mid(int(sizeof PreviewFolderPrefix - 1)).split(QLatin1Char('-'));
    bool ok = false;
    const qint64 pid = parts.size() == 2 ? parts[0].toLongLong(&ok) : 0;
    return ok && pid > 0 && pid <= std::numeric_limits<pid_t>::max() ? pid : 0;
}

bool ProcessIsAlive(qint64 pid)
{
    return kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

bool FolderIsWritable(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QLatin1String(ProbeTemplate)));
    if (!probe.open())
        return false;
    const qint64 size = sizeof ProbeText - 1;
    bool ok = probe.write(ProbeText, size) == size;
    ok = probe.flush() && ok;
    probe.close();
    return ok && probe.error() == QFileDevice::NoError;
}

QString PreviewFolderTemplate(const QString &tempFolder)
{
    return tempFolder + QLatin1Char('/') + QLatin1String(PreviewFolderPrefix)
           + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX");
}

int RemoveStalePreviewFolders(const QString &tempFolder)
{
    int removed = 0;
    const QFileInfoList entries = QDir(tempFolder).entryInfoList(
        {QLatin1String(PreviewFolderPrefix) + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const qint64 pid = PreviewFolderOwner(entry.fileName());
        struct stat info;
        if (pid == 0 || ProcessIsAlive(pid) || lstat(QFile::encodeName(entry.filePath()).constData(), &info) != 0
            || !S_ISDIR(info.st_mode) || info.st_uid != geteuid())
            continue;
        RemoveRecordedFiles(entry.filePath());
        removed += QDir(entry.filePath()).removeRecursively();
    }
    return removed;
}

FilterState DetectFilter(const SubtitleFilterSettings &settings)
{
    FilterState state;
    state.FilterPresent = settings.Present;
    state.FilterReload = settings.Present && settings.ReloadAvailable;
    if (!settings.Present)
        return state;
    for (const QString &entry : settings.SubPath.split(QLatin1Char(';'))) {
        if (!QDir::isAbsolutePath(entry))
            continue; // relative and empty entries are skipped
        QString folder = entry;
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        if (FolderIsWritable(folder)) {
            state.FilterFolder = folder;
            state.FilterFolderFound = true;
            // Test files of a run that was killed would come back as
            // overwrite questions.
            RemoveStalePreviewFolders(folder);
            break;
        }
    }
    return state;
}

QString TimingTestSubtitlePath(const FilterState &filter, const QString &moviePath)
{
    const QString base = QFileInfo(moviePath).completeBaseName();
    if (!filter.FilterFolderFound || base.isEmpty())
        return QString();
    return filter.FilterFolder + base + QStringLiteral(".sub");
}

} // namespace cuefold
