#pragma once

#include "document/document.h"

#include <memory>

namespace cuefold::bench {

// A full document of Document::Capacity subtitles with Czech texts of one to
// three rows, an FPS subtitle, some locked lines and, when asked, every
// `overlapEvery`-th subtitle starting inside its predecessor.
std::unique_ptr<Document> GenerateDocument(int overlapEvery = 0);

// A full document with something of every find category spread over it.
std::unique_ptr<Document> GenerateFindDocument();

} // namespace cuefold::bench
