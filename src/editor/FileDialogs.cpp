#include "editor/FileDialogs.h"
#include "document/code_page.h"
#include "editor/FileChooser.h"

namespace cuefold {

namespace {

FileDialogHandler &handler()
{
    static FileDialogHandler h;
    return h;
}

} // namespace

void SetFileDialogHandler(FileDialogHandler h)
{
    handler() = std::move(h);
}

QStringList NameFilters(const QByteArray &filter)
{
    QStringList result;
    const QStringList parts = CodePage::toUnicode(filter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The dialog matches patterns in any letter case and lists them after
        // the description itself, so the description's own list is dropped.
        QStringList patterns;
        for (const QString &p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patterns << p.toLower();
        patterns.removeDuplicates();
        QString description = parts[i].trimmed();
        if (const qsizetype open = description.lastIndexOf(QLatin1String(" (")); open > 0 && description.endsWith(u')'))
            description.truncate(open);
        result << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

QString AskFileName(QWidget *parent, const FileDialogRequest &r)
{
    if (handler())
        return handler()(r);
    // Overwriting is confirmed by the program itself, and only when no
    // backup is kept.
    FileChooser dialog(parent, r);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : QString();
}

} // namespace cuefold
