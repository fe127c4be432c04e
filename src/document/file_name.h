#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace cuefold {

// File names as the system keeps them: bytes. A name that is valid UTF-8
// becomes the same QString Qt makes of it; each byte of a name that is not
// (a windows-1250 "f\xE9lm.sub" copied from an old disk) becomes the lone
// surrogate U+DC00 + byte, which no valid name holds, so FileNameBytes gives
// the very bytes back. Qt's own encodeName would turn such bytes into U+FFFD
// and lose the file; every call that names a file to the system goes
// through FileNameBytes instead.
QString FileNameFromBytes(QByteArrayView bytes);
QByteArray FileNameBytes(const QString &name);

// The program's arguments as FileNameFromBytes reads them: a file named on
// the command line keeps its bytes.
QStringList CommandLineArguments(int argc, const char *const *argv);

// Whether anything stands at `name` (links followed), and whether that is a
// regular file or a folder.
bool FileExists(const QString &name);
bool IsRegularFile(const QString &name);
bool IsFolder(const QString &name);

// A name as a person may read it: each byte FileNameFromBytes kept as an
// escape shows as U+FFFD.
QString DisplayFileName(const QString &name);

struct FolderEntry {
    QString name; // FileNameFromBytes of the entry's bytes
    bool folder = false; // a folder, or a link to one
};

// The entries of `folder` except "." and "..", in no particular order; every
// name is there, whatever its bytes. Empty when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const QString &folder);

} // namespace cuefold
