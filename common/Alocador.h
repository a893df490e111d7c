#pragma once

namespace sulvo {

// Sets the C library's allocator for the way Sulvo uses memory, once at the start of a program.
//
// An open or a save of a large survey churns tens of megabytes (100 000 points: the file's bytes, some
// 7 MB, its 300 000 lines and the points) and frees them all at the end. Left to itself, glibc hands
// freed memory back to the system as soon as more than twice its largest freed block sits unused, so the
// next open of the same project faults every page in again, at the cost of the work itself. Freed memory
// up to 64 MB is kept for the next use instead, and blocks below 32 MB come from the heap rather than
// from fresh mappings; beyond that, memory goes back to the system as before.
void ConfigurarAlocador();

} // namespace sulvo
