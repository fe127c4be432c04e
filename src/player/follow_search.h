#pragma once

#include <QtGlobal>

namespace cuefold {

class Document;

// Editor follows player: the subtitle to make current for the playing
// position. The walk starts at `start` (a start beyond the list counts as
// the last subtitle) and stops at the first subtitle that does not end, or
// does not start, before `position`, or at the last one. It only walks
// forward; a backward jump restarts it at 1.
int FindFollowLine(const Document &doc, int start, double position);

// Whether `position` lies within subtitle `index` (both ends included).
bool IsInsideSubtitle(const Document &doc, int index, double position);

// The preview colour outside a subtitle: each byte of 0x00BBGGRR cut to its
// low six bits.
constexpr quint32 DimmedColour(quint32 colour) { return colour & 0x3F3F3Fu; }

} // namespace cuefold
