#pragma once
// Handing memory the program no longer uses back to the system.
namespace platform {

// Returns the allocator's free pages to the system (its heaps keep them otherwise), once
// a window has released what it held while hidden.
void returnFreeMemory();

} // namespace platform
