#pragma once

#include <QByteArray>
#include <cstddef>

// Literal bytes including embedded NULs, which the QByteArray(const char *)
// constructor would cut off.
template <std::size_t N>
QByteArray RawBytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// Every byte value, spread over `size` bytes: a stand-in for a binary file.
inline QByteArray GarbageBytes(qsizetype size, int step)
{
    QByteArray garbage(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        garbage[i] = char((i * step) % 256);
    return garbage;
}
