#include "player/subtitle_filter.h"

#include "config/document_texts.h"
#include "config/settings.h"
#include "document/document.h"
#include "document/io_error.h"
#include "document/reader.h"
#include "document/writer.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace cuefold {

namespace {

const char ProbeName[] = "$$$$$$$$.tmp";
const char ProbeText[] = "Test mo\x9Enosti z\xE1pisu"; // windows-1250, as the program writes text

} // namespace

bool FolderIsWritable(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QFile probe(QDir(folder).filePath(QLatin1String(ProbeName)));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const qint64 size = sizeof ProbeText - 1;
    bool ok = probe.write(ProbeText, size) == size;
    ok = probe.flush() && ok;
    probe.close();
    ok = ok && probe.error() == QFileDevice::NoError;
    probe.remove();
    return ok;
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
            break;
        }
    }
    return state;
}

int WritePreviewCopy(const QString &sourcePath, const QString &copyPath)
{
    QFile source(sourcePath);
    const int opened = OpenForReading(source);
    if (opened != NoIOError)
        return opened;
    auto scratch = std::make_unique<Document>();
    ReadSubtitles(source, *scratch, DisplayTimeRuleFromSettings());
    return WriteSubtitleFile(copyPath, SerializeDocument(*scratch, true));
}

} // namespace cuefold
