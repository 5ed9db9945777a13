// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/heapreuse.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

void Platform::keepFreedMemory()
{
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    // Blocks up to 16 MB (a picture of four megapixels) come from the heap and
    // go back to it; larger ones are still mapped and unmapped on their own.
    // Up to 32 MB free at the top of the heap stays there.
    mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 32 * 1024 * 1024);
#endif
}
