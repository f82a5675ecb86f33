#pragma once

// Makes the C library give every block of a megabyte or more back to the system when it
// is freed. Left to itself, glibc raises that bound to the largest block freed so far, so
// the copies a large document's line index leaves behind while it grows stay resident.
void returnLargeBlocks();
