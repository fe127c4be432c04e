#pragma once

namespace cuefold {

// Registers the program's resources (help documents, pictures). The windows
// library is static, so its resources are linked in only when referenced;
// every window that reads them calls this first. Safe to call repeatedly.
void UseProgramResources();

} // namespace cuefold
