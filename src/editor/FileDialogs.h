#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace cuefold {

struct FileDialogRequest {
    bool save = false;
    QString title;
    QByteArray filter; // "Description|*.A;*.B|Other|*.*" in the program's code page
    QString folder;
    // When set, the dialog offers the encodings too, starting on the one held
    // here, and leaves the choice here; opening offers "automatic" (empty)
    // first and previews the file chosen.
    QByteArray *encoding = nullptr;
};

// File dialogs go through here so tests can answer them; an empty result
// means the user cancelled.
using FileDialogHandler = std::function<QString(const FileDialogRequest &)>;

QString AskFileName(QWidget *parent, const FileDialogRequest &request);
// A filter text of the language table ("Titles (*.TXT)|*.TXT|...") as the
// dialog's name filters, each pattern listed once.
QStringList NameFilters(const QByteArray &filter);
void SetFileDialogHandler(FileDialogHandler handler);

// "Desc|*.A;*.B|..." as Qt name filters, patterns matched in either letter case.
QStringList NameFilters(const QByteArray &filter);

} // namespace cuefold
