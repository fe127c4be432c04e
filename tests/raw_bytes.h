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
