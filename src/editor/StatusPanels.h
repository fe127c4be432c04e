#pragma once

#include <QString>

class QLabel;
class QStatusBar;

namespace cuefold {

// The panels of the main window's status bar: 0 label, 1 frame,
// 2 line count, 3 frame rate, 5 the document's encoding, 4 messages.
class StatusPanels {
public:
    enum Panel { Label = 0, Frame = 1, LineCount = 2, Fps = 3, Message = 4, Encoding = 5 };

    explicit StatusPanels(QStatusBar *bar);
    void setText(int panel, const QString &text);
    QString text(int panel) const;
    // The document's frame rate, "?" when it has none.
    void showFps(double fps);
    // Clears the message panel, as every command does when it starts.
    void clearMessage() { setText(Message, QString()); }

private:
    QLabel *mPanels[6] = {};
};

} // namespace cuefold
