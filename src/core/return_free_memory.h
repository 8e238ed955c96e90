// Gives memory freed by the program back to the system. The C library keeps
// freed blocks for reuse, also when they lie amid blocks still in use; after
// a phase that freed large working lists, the next phase's peak is lower if
// those pages are returned first.
#pragma once

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qfc {

inline void ReturnFreeMemory() {
#if defined(__GLIBC__)
  ::malloc_trim(0);
#endif
}

}  // namespace qfc
