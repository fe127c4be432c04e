#pragma once

#include "operations/width_analysis.h"

#include <QDialog>
#include <QFont>

class QLabel;
class QPushButton;

namespace cuefold {

class DocumentModel;
class CurrentSubtitlePanel;

// The width analysis window: three sorted lists of the unlocked subtitles
// (widest row in pixels of the preview font, whole length, widest row in
// characters) and buttons that step through them, the editor following.
// Modeless; the lists outlive the window being closed.
class TFormAnalysis : public QDialog {
    Q_OBJECT

public:
    TFormAnalysis(DocumentModel &model, CurrentSubtitlePanel &panel, QWidget *parent);

    // Clear (false) or, while an analysis is active, build every existing
    // list again after subtitles were inserted, joined or deleted (true).
    void RefreshAnalysis(bool rebuild);
    void retranslate();
    const WidthAnalysis &analysis() const { return mAnalysis; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // One list's build button, move buttons and its three labels.
    struct Section {
        QPushButton *create, *prev, *next, *current;
        QLabel *countLabel, *positionLabel, *valueLabel; // captions
        QLabel *count, *position, *value;                // values
    };
    Section &section(AnalysisKind kind) { return mSections[static_cast<int>(kind)]; }
    QWidget *buildSection(AnalysisKind kind, const char *const names[], bool withCurrent);
    void buildList(AnalysisKind kind);
    void step(AnalysisKind kind, int delta);
    void ButtonPXcurrClick();
    // Writes the shown entry into the labels; the editor moves to it when asked.
    void showEntry(AnalysisKind kind, const AnalysisEntry *entry, bool follow);
    // A built list: its count, its move buttons on, its entry shown.
    void showBuilt(AnalysisKind kind, bool follow);
    void showCleared();
    static void enableMoves(Section &s, bool enable);
    // Pixel widths in the preview font, the table of character widths
    // measured again only when that font has changed.
    const RowWidth &rowWidth();

    DocumentModel &mModel;
    CurrentSubtitlePanel &mPanel;
    WidthAnalysis mAnalysis;
    Section mSections[AnalysisKindCount]{};
    QPushButton *ButtonClear, *ButtonClose;
    QFont mMeasuredFont;
    QByteArray mMeasuredEncoding;
    RowWidth mRowWidth;
};

} // namespace cuefold
