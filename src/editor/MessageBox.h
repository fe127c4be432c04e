#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace cuefold {

enum class MsgIcon { None, Information, Question, Exclamation, Stop };
enum class MsgButtons { Ok, YesNo, YesNoCancel, RetryCancel, OkCancel };
enum class MsgResult { Ok, Yes, No, Retry, Cancel };

struct MessageRequest {
    QString text;
    QString caption;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgResult defaultButton = MsgResult::Ok;
    // The window the box stands above: the one the user works in (a modal
    // dialog or the active window), else the caller's. Set by ShowMessage.
    QWidget *owner = nullptr;
};

// Every message box of the program goes through here, so tests can answer
// them with a scripted handler instead of a modal window.
using MessageHandler = std::function<MsgResult(const MessageRequest &)>;

MsgResult ShowMessage(QWidget *parent, const MessageRequest &request);
MsgResult ShowMessage(QWidget *parent, const QString &text, const QString &caption,
                      MsgIcon icon, MsgButtons buttons = MsgButtons::Ok,
                      MsgResult defaultButton = MsgResult::Ok);

// Installs a handler; an empty one restores the real message boxes.
void SetMessageHandler(MessageHandler handler);

} // namespace cuefold
