#include "platform/free_memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void returnFreeMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

} // namespace platform
