#include "common/Alocador.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace sulvo {

void ConfigurarAlocador() {
#if defined(__GLIBC__)
    // Setting either fixes both thresholds (glibc stops adapting them), so both are given.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

} // namespace sulvo
