#include "editor/MessageBox.h"
#include "editor/HintPolicy.h"

#include <QApplication>
#include <QMessageBox>

namespace cuefold {

namespace {

MessageHandler &handler()
{
    static MessageHandler h;
    return h;
}

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Stop: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(MsgResult r)
{
    switch (r) {
    case MsgResult::Ok: return QMessageBox::Ok;
    case MsgResult::Yes: return QMessageBox::Yes;
    case MsgResult::No: return QMessageBox::No;
    case MsgResult::Retry: return QMessageBox::Retry;
    case MsgResult::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

MsgResult fromQt(int button, MsgButtons buttons)
{
    switch (button) {
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Retry: return MsgResult::Retry;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Ok: return MsgResult::Ok;
    default: break;
    }
    // Closed with Esc or the close box: the safe answer.
    return buttons == MsgButtons::YesNo ? MsgResult::No
         : buttons == MsgButtons::RetryCancel || buttons == MsgButtons::OkCancel || buttons == MsgButtons::YesNoCancel
             ? MsgResult::Cancel
                                                                                 : MsgResult::Ok;
}

// A box parented elsewhere would open under a stay-on-top tool window and
// leave the user before a window that looks frozen.
QWidget *workingWindow(QWidget *fallback)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    return fallback;
}

} // namespace

void SetMessageHandler(MessageHandler h)
{
    handler() = std::move(h);
}

MsgResult ShowMessage(QWidget *parent, const MessageRequest &request)
{
    MessageRequest r = request;
    r.owner = workingWindow(parent);
    if (handler())
        return handler()(r);
    // Language texts break their lines with carriage returns, which a Qt
    // label does not show as breaks.
    QMessageBox box(toQt(r.icon), r.caption, DisplayLineBreaks(r.text), QMessageBox::NoButton, r.owner);
    switch (r.buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    box.setDefaultButton(toQt(r.defaultButton));
    return fromQt(box.exec(), r.buttons);
}

MsgResult ShowMessage(QWidget *parent, const QString &text, const QString &caption,
                      MsgIcon icon, MsgButtons buttons, MsgResult defaultButton)
{
    return ShowMessage(parent, MessageRequest{text, caption, icon, buttons, defaultButton});
}

} // namespace cuefold
