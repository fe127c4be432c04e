#pragma once

#include <QString>

class QWidget;

namespace cuefold {

// Asked before the program writes a file of its own into a folder others may
// write to (the filter's folder). True when the name is free, or holds a
// plain file the user agrees to overwrite (the question names it in full); a
// link or anything else at the name is refused with a message naming it.
bool MayWriteSharedFile(QWidget *owner, const QString &path);

} // namespace cuefold
