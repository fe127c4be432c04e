#pragma once

#include <QByteArray>
#include <QImage>

namespace cuefold {

// Decodes a JPEG file's bytes with libjpeg; a null image when they are not
// a JPEG libjpeg can read.
QImage DecodeJpeg(const QByteArray &bytes);

} // namespace cuefold
