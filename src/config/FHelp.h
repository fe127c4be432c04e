#pragma once

#include <QByteArray>
#include <QWidget>

class QAction;
class QMenu;
class QTextEdit;

namespace Ui {
class FormHelp;
}

namespace cuefold {

// The manual and the version history, shown read-only and formatted, in one
// window that lives from start-up to exit. Showing it loads the document of
// the current mode; Escape in the text closes it; the context menu saves the
// document as RTF.
class TFormHelp : public QWidget {
    Q_OBJECT

public:
    enum class HelpMode { History = 0, Manual = 1 };

    explicit TFormHelp(QWidget *parent = nullptr);
    ~TFormHelp() override;

    // F1 and Alt+F1: an open window is closed and shown again, so that it
    // reloads for the new mode.
    void showManual();
    void showHistory();
    HelpMode mode() const { return mMode; }

    // Captions from the language table; the window caption follows on the
    // next show.
    void retranslate();

    // The rich-text control, for the main window's Copy and Select all.
    QTextEdit *richEdit() const;
    // The RTF bytes of the shown document, as stored in the resources.
    const QByteArray &documentBytes() const { return mRtf; }

    // The context menu's Save as: asks for a name, completes it to
    // ".RTF", confirms overwriting and writes the document.
    void RTFSaveAsClick();

signals:
    // From the show event to the close event: the Girder keys stay off meanwhile.
    void helpVisibleChanged(bool visible);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openInMode(HelpMode mode);
    void loadDocument();

    Ui::FormHelp *mUi;
    QMenu *RTFPopUpMenu;
    QAction *RTFSaveAs, *RTFSelectAll, *RTFCopy;
    HelpMode mMode = HelpMode::Manual;
    QByteArray mRtf;
    bool mHelpVisible = false;
};

// The name the help is saved under: the first ".RTF" (upper case, exactly)
// is taken out, then a name without extension gets ".RTF"; any other
// extension is kept as typed.
QString HelpSaveName(QString chosen);

// The resource holding a mode's document in `language`: the language's own
// translation when the program carries one, else the Czech original.
QString HelpResource(TFormHelp::HelpMode mode, const QByteArray &language);

} // namespace cuefold
