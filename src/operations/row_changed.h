#pragma once

#include <functional>

namespace cuefold {

// Told the index of every subtitle a bulk command rewrote, so the overview
// grid refreshes only those rows.
using RowChanged = std::function<void(int row)>;

} // namespace cuefold
