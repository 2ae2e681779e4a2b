#include "emf_records.h"

#include <cstdint>

namespace {

constexpr uint32_t kHeaderRecord = 1;   // EMR_HEADER
constexpr uint32_t kEndRecord = 14;     // EMR_EOF
constexpr uint32_t kSignature = 0x464D4520; // " EMF"
constexpr size_t kHeaderSize = 88;      // ENHMETAHEADER up to szlMillimeters

uint32_t Read32(const unsigned char* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

} // namespace

bool EnhancedMetafileIsWhole(const unsigned char* data, size_t size)
{
    if (!data || size < kHeaderSize) return false;
    if (Read32(data) != kHeaderRecord || Read32(data + 4) < kHeaderSize || Read32(data + 40) != kSignature)
        return false;
    const size_t bytes = Read32(data + 48);
    if (bytes > size) return false;
    for (size_t offset = 0; bytes - offset >= 8;) {
        const uint32_t type = Read32(data + offset), length = Read32(data + offset + 4);
        if (length < 8 || length % 4 != 0 || length > bytes - offset) return false;
        if (type == kEndRecord) return true;
        offset += length;
    }
    return false;
}
