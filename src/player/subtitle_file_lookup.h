#pragma once

#include <QString>
#include <QStringList>

namespace cuefold {

// The subtitle-filter layer shows, for a movie, the file named like the movie
// with the extension .sub or .txt (letter case ignored in the whole name). It
// looks in its search folders first, in their order, then beside the movie.
// SubPath is the ";"-separated folder list; blank and relative entries are
// skipped. In one folder .sub wins over .txt, and a name spelt exactly like
// the movie wins over other letter cases. Empty when nothing is found.
QString FindFilterSubtitleFile(const QString &moviePath, const QString &subPath);

// The absolute folders of a ";"-separated search path, in order.
QStringList FilterSearchFolders(const QString &subPath);

} // namespace cuefold
