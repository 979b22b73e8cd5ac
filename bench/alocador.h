#pragma once
// Keeps freed memory in the process, as a long-running program's heap does.
// Otherwise every large buffer is a fresh mapping whose page faults (costly
// on a virtual machine) dominate the figures, and whether a buffer is mapped
// afresh depends on what the process freed before: the same code then
// measures several times slower or faster from one run to the next.
#include <malloc.h>

inline void FixaAlocador() {
  mallopt(M_MMAP_THRESHOLD, 512 << 20);
  mallopt(M_TRIM_THRESHOLD, 1024 << 20);
}
