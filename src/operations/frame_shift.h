#pragma once

#include <functional>

namespace cuefold {

class Document;

// Called with the index of every subtitle whose frames were rewritten.
using RowChanged = std::function<void(int row)>;

// The shift loop: every unlocked subtitle from `first` to the end moves by
// `delta` frames; a frame that would fall below 0 becomes 0. Returns how
// many subtitles hit that limit (each counted once).
int ShiftLines(Document &doc, int first, double delta, const RowChanged &changed);

} // namespace cuefold
