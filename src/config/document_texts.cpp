#include "config/document_texts.h"
#include "config/language_table.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/io_error.h"

namespace cuefold {

QByteArray IOErrorText(int code, const QByteArray &prefix)
{
    const QByteArray *text = &Texts.CommonError;
    switch (code) {
    case FileNotFoundCode: text = &Texts.FileNotFound; break;
    case PathNotFoundCode: text = &Texts.PathNotFound; break;
    case AccessDeniedCode: text = &Texts.AccessDenied; break;
    case SharingViolationCode: text = &Texts.SharingViolation; break;
    case EndOfFileCode: text = &Texts.EndOfFile; break;
    case DiskFullCode: text = &Texts.DiskFull; break;
    case FileVariableNotAssignedCode: text = &Texts.FileVariableNotAssigned; break;
    case FileNotOpenCode: text = &Texts.FileNotOpen; break;
    case FileNotOpenForInputCode: text = &Texts.FileNotOpenForInput; break;
    case FileNotOpenForOutputCode: text = &Texts.FileNotOpenForOutput; break;
    case ErrorInFormattedInputCode: text = &Texts.ErrorInFormattedInput; break;
    case FileAlreadyOpenCode: text = &Texts.FileAlreadyOpen; break;
    default: break;
    }
    return prefix + ' ' + QByteArray::number(code) + ": " + *text;
}

QByteArray BackupErrorText(const BackupResult &result)
{
    switch (result.Status) {
    case BackupStatus::TooManyBackups:
        return TooManyBackupsText;
    case BackupStatus::RenameFailed:
        return Texts.BakNotCreated + ' ' + CodePage::fromUnicode(result.BackupName);
    case BackupStatus::Ok:
        break;
    }
    return {};
}

DisplayTimeRule DisplayTimeRuleFromSettings()
{
    return {Settings.Main.DelayFrames, Settings.Main.TestReadSpeed, Settings.Main.TestMinDwell};
}

} // namespace cuefold
