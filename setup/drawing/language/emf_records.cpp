#include "emf_records.h"

#include <cstdint>

#include "little_endian.h"

namespace {

constexpr uint32_t kHeaderRecord = 1;   // EMR_HEADER
constexpr uint32_t kEndRecord = 14;     // EMR_EOF
constexpr uint32_t kSignature = 0x464D4520; // " EMF"
constexpr size_t kHeaderSize = 88;      // ENHMETAHEADER up to szlMillimeters

} // namespace

bool EnhancedMetafileIsWhole(const unsigned char* data, size_t size)
{
    if (!data || size < kHeaderSize) return false;
    if (ReadLittle32(data) != kHeaderRecord || ReadLittle32(data + 4) < kHeaderSize ||
        ReadLittle32(data + 40) != kSignature)
        return false;
    const size_t bytes = ReadLittle32(data + 48);
    if (bytes > size) return false;
    for (size_t offset = 0; bytes - offset >= 8;) {
        const uint32_t type = ReadLittle32(data + offset), length = ReadLittle32(data + offset + 4);
        if (length < 8 || length % 4 != 0 || length > bytes - offset) return false;
        if (type == kEndRecord) return true;
        offset += length;
    }
    return false;
}
