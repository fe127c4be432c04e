#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace Ui {
class FormAbout;
}

namespace cuefold {

// The about window: title, version, build date and copyright over a picture
// that changes every 3.5 seconds while the window is shown. Which picture
// is up survives closing, so the next showing goes on from there.
class TFormAbout : public QDialog {
    Q_OBJECT

public:
    explicit TFormAbout(QWidget *parent = nullptr);
    ~TFormAbout() override;

    void retranslate();
    // The picture swap of each TimerImages tick.
    void TimerImagesTimer();
    int imagePhase() const { return mImagePhase; }

    QLabel *label(const char *name) const;
    QTimer *timerImages() const { return TimerImages; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The texts of Label1 and Label2, each centred on its widest line.
    void layOutLabels();

    Ui::FormAbout *mUi;
    QTimer *TimerImages;
    int mImagePhase = 0;
};

// "Version: ...", "Date: ..." and "Copyright ..." separated by empty lines.
// The date is the short date and the long time, without the time at
// exactly midnight.
QString AboutVersionText(const QString &version, const QDateTime &built, const QString &copyright);

} // namespace cuefold
