#pragma once

#include "operations/frame_rate.h"

#include <QDialog>
#include <optional>

namespace Ui {
class FormConvertFPS;
}

namespace cuefold {

// What the frame-rate conversion is asked to do.
struct RateConversionRequest {
    FrameRate from, to;
    bool spareLocked = false;
};

// The frame-rate conversion question: the rate the subtitles are timed by,
// the rate to time them by, and whether locked subtitles keep their frames.
class TFormConvertFPS : public QDialog {
    Q_OBJECT

public:
    explicit TFormConvertFPS(QWidget *parent);
    ~TFormConvertFPS() override;

    // Shows the question with these rates typed in; the typed rates when OK
    // closed it with two valid ones. `refused` gets the first text that is
    // no rate.
    std::optional<RateConversionRequest> ask(const QByteArray &from, const QByteArray &to,
                                             std::optional<QByteArray> &refused);
    void retranslate();

private:
    Ui::FormConvertFPS *mUi;
};

} // namespace cuefold
