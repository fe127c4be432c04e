#pragma once

#include <QString>

namespace cuefold {

// Codes of the I/O error messages. The first four are the classic system
// codes users know from other programs; the rest of the table belongs to the
// text-file layer. Failures without a tabled code get OtherIOErrorBase plus
// the system error number and are reported as a common error.
enum IOErrorCode : int {
    NoIOError = 0,
    FileNotFoundCode = 2,
    PathNotFoundCode = 3,
    AccessDeniedCode = 5,
    SharingViolationCode = 32,
    EndOfFileCode = 100,
    DiskFullCode = 101,
    FileVariableNotAssignedCode = 102,
    FileNotOpenCode = 103,
    FileNotOpenForInputCode = 104,
    FileNotOpenForOutputCode = 105,
    ErrorInFormattedInputCode = 106,
    FileAlreadyOpenCode = 107,
    OtherIOErrorBase = 1000,
};

// The code for a system error number met while working on `path`. The file
// layer calls the system itself wherever Qt would keep the number to itself.
int IOErrorCodeFromErrno(int systemError, const QString &path);

} // namespace cuefold
