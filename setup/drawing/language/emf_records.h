#pragma once
// An enhanced metafile is played only when its records lie within it: a
// header record with the signature, a byte count that the file holds, and a
// chain of records of 8 bytes or more (multiples of 4) ending in EMR_EOF.
// What the records say is the platform's to read.
#include <cstddef>

bool EnhancedMetafileIsWhole(const unsigned char* data, size_t size);
