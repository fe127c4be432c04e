#include "document/line_count.h"

#include <QByteArray>
#include <QIODevice>

namespace cuefold {

qint64 CountSubtitleLines(QIODevice &in)
{
    constexpr qint64 BlockSize = 1 << 16;
    qint64 count = 0;
    bool inLine = false;
    QByteArray block;
    while (!(block = in.read(BlockSize)).isEmpty()) {
        for (const char c : block) {
            if (c == '\r' || c == '\n') {
                inLine = false;
            } else if (!inLine) {
                inLine = true;
                ++count;
            }
        }
    }
    return count;
}

} // namespace cuefold
