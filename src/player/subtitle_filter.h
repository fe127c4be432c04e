#pragma once

#include <QDir>
#include <QString>

namespace cuefold {

struct SubtitleFilterSettings;

// What the program knows about the subtitle-filter layer: whether it is in
// use, whether it can re-read subtitles without the movie being reopened, and
// the first folder of its search path the program can write to (ending in
// "/"), where test and fallback subtitle files go.
struct FilterState {
    bool FilterPresent = false;
    bool FilterReload = false;
    QString FilterFolder;
    bool FilterFolderFound = false;
};

// Walks the search path of a present filter: only absolute folders count; a
// missing folder is created; a folder qualifies when a probe file can be
// created, written and closed in it (the probe is removed again). In the
// folder found, what a killed run of the program left is removed
// (RemoveStalePreviewFolders).
FilterState DetectFilter(const SubtitleFilterSettings &settings);

// Whether a probe file can be written into `folder` (created if missing). The
// probe is a new file of a fresh name, removed again; nothing already in the
// folder is touched.
bool FolderIsWritable(const QString &folder);

// The QTemporaryDir template of this process's folder for the player's
// subtitle copies: "Cuefold-<pid>-XXXXXX" in `tempFolder`, so that a later run
// can tell whether its owner still lives.
QString PreviewFolderTemplate(const QString &tempFolder = QDir::tempPath());
// Removes the folders of PreviewFolderTemplate in `tempFolder` that belong to
// this user and whose process is gone (killed, crashed), and the files beside
// them they record (SharedFolderFile); run at start-up for the temporary
// folder and whenever the filter's folder is found. Returns how many folders
// were removed.
int RemoveStalePreviewFolders(const QString &tempFolder = QDir::tempPath());

// Where a timing test writes the subtitles it plays over `moviePath`: the
// movie's name with ".sub" in the filter folder, so that any player of the
// filter's kind finds them. Empty when no filter folder was found.
QString TimingTestSubtitlePath(const FilterState &filter, const QString &moviePath);

} // namespace cuefold
