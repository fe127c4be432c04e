#include "editor/SharedFileQuestion.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "editor/MessageBox.h"
#include "player/shared_folder_file.h"

namespace cuefold {

bool MayWriteSharedFile(QWidget *owner, const QString &path)
{
    switch (ExamineSharedName(path)) {
    case SharedName::Free:
        return true;
    case SharedName::PlainFile:
        return ShowMessage(owner, Unicode(Texts.AreYouSureToOverwrite) + QLatin1Char('\r') + path,
                           Unicode(Texts.FileAlreadyExists), MsgIcon::Question, MsgButtons::YesNo, MsgResult::No)
               == MsgResult::Yes;
    case SharedName::Refused:
        break;
    }
    ShowMessage(owner, Unicode(Texts.SharedNameRefused) + QLatin1Char('\r') + path, Unicode(Texts.Error), MsgIcon::Stop);
    return false;
}

} // namespace cuefold
