#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cuefold {

struct FileStatistics;
struct FilterState;

// The file-properties window: the file on disk, what reading found, counts
// of subtitles by state and whether a movie and the subtitle filter are used.
class TFormFileProperties : public QDialog {
    Q_OBJECT

public:
    explicit TFormFileProperties(QWidget *parent);

    // RefreshProperties' window part: the statistics already collected.
    void fill(const FileStatistics &stats, const QString &path, const QString &shortName);
    // The player group: the filter layer and the movie opened with the file
    // (empty when none was); the editor group: the rate of the movie in the
    // player beside the document's ("?" without one).
    void fillPlayer(const FilterState &filter, const QString &movie, const QByteArray &movieRate);
    // Play takes its texts from the player's play command.
    void setPlayTexts(const QString &caption, const QString &hint);
    void retranslate();
    // After an open the Play button stands beside OK when a movie belongs to
    // the file; from the properties command OK stands alone.
    void arrangeButtons(bool withPlay);

    QPushButton *okButton() const { return ButtonOK; }
    QLabel *label(const char *name) const;

signals:
    void playRequested();
    void moviePropertiesRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QGroupBox *GroupBoxReadFile, *GroupBoxEditor, *GroupBoxPlayer;
    QLineEdit *EditSUBSFullPath, *EditAVISFullPath;
    QLabel *LabelFileSize, *LabelFileAttributes, *LabelSyntaxErrors, *LabelRecalculatedLines, *LabelOverlaps;
    QLabel *LabelEncoding;
    QLabel *LabelFPS, *LabelMovieFPS, *LabelLines, *LabelEmptyLines, *LabelLockLines, *LabelMarkLines, *LabelChangedLines;
    QLabel *LabelDirectShow, *LabelAuxFolder;
    QPushButton *ButtonMovieShellProperties;
    QPushButton *ButtonOK, *ButtonPlay;
    QWidget *mButtonRow;
    bool mWithPlay = false;
};

} // namespace cuefold
