#pragma once
// Handing memory the program no longer uses back to the system.
namespace platform {

// Returns the allocator's free pages to the system (its heaps keep them otherwise), once
// a window has released what it held while hidden.
void returnFreeMemory();

// Lets go of every loaded font: Qt's font engines with their glyph caches, shaping data and
// font files mapped. Only while no window with text is shown; the next text drawn loads them again.
void releaseFontEngines();

} // namespace platform
