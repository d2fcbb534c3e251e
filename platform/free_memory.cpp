#include "platform/free_memory.h"

#include <QFont>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void returnFreeMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

void releaseFontEngines() {
  // Qt keeps every engine it loaded in its font cache (it trims it only beyond a few
  // megabytes), so deleting the widgets would not free them. This drops the cache as the
  // end of a thread does; fonts made earlier see the new cache and load their engines anew.
  QFont::cleanup();
}

} // namespace platform
