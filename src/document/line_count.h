#pragma once

#include <QtGlobal>

class QIODevice;

namespace cuefold {

// The subtitle lines (non-empty lines, with CR LF, LF or CR as line ends)
// from the device's position to its end, read in blocks so that memory stays
// bounded whatever the file holds.
qint64 CountSubtitleLines(QIODevice &in);

} // namespace cuefold
