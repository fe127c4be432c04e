#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

class QComboBox;
class QPlainTextEdit;

namespace cuefold {

// The encoding list of the file dialogs and of reloading, with a preview of
// a file's first lines as the chosen encoding reads them.
class EncodingChoice : public QWidget {
    Q_OBJECT

public:
    // `automatic` puts "detect it" first; `selected` is chosen at the start
    // (empty: the first entry).
    EncodingChoice(QWidget *parent, bool automatic, const QByteArray &selected, bool preview);

    // The chosen encoding, empty for automatic.
    QByteArray encoding() const;
    // The file the preview reads; empty shows nothing.
    void previewFile(const QString &path);
    QComboBox *combo() const { return mCombo; }
    QString previewText() const;

private:
    void refresh();

    QComboBox *mCombo;
    QPlainTextEdit *mPreview = nullptr;
    QByteArray mHead; // the start of the previewed file
};

// Asks which encoding to read the document's file `path` in; empty when
// cancelled.
QByteArray AskReloadEncoding(QWidget *parent, const QString &path, const QByteArray &current);

} // namespace cuefold
