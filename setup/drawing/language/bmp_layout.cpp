#include "bmp_layout.h"

#include "little_endian.h"

namespace {

constexpr int32_t kMaxSide = 32767;
constexpr int64_t kMaxPixels = int64_t{1} << 26;

bool KnownInfoHeaderSize(uint32_t size)
{
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

} // namespace

bool ReadBmpLayout(const unsigned char* data, size_t size, BmpLayout& layout)
{
    if (!data || size < kBmpFileHeaderSize + kBmpInfoHeaderSize) return false;
    if (data[0] != 'B' || data[1] != 'M') return false;
    const uint32_t pixelOffset = ReadLittle32(data + 10);

    const unsigned char* info = data + kBmpFileHeaderSize;
    const uint32_t infoSize = ReadLittle32(info);
    if (!KnownInfoHeaderSize(infoSize) || kBmpFileHeaderSize + infoSize > size) return false;
    const int32_t width = static_cast<int32_t>(ReadLittle32(info + 4));
    const int32_t height = static_cast<int32_t>(ReadLittle32(info + 8));
    const uint32_t planes = ReadLittle16(info + 12);
    const uint32_t bitCount = ReadLittle16(info + 14);
    const uint32_t compression = ReadLittle32(info + 16);
    const uint32_t colorsUsed = ReadLittle32(info + 32);

    if (planes != 1 || compression != 0) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return false;
    if (width < 1 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide) return false;
    const int64_t rows = height < 0 ? -int64_t{height} : height;
    if (width * rows > kMaxPixels) return false;

    size_t entries = 0;
    if (bitCount != 24) {
        const uint32_t full = 1u << bitCount;
        if (colorsUsed > full) return false;
        entries = colorsUsed ? colorsUsed : full;
    }
    const size_t tableOffset = kBmpFileHeaderSize + infoSize;
    const size_t tableEnd = tableOffset + 4 * entries;
    if (tableEnd > size || pixelOffset < tableEnd || pixelOffset > size) return false;

    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
    const uint64_t pixelSize = rowBytes * static_cast<uint64_t>(rows);
    if (pixelSize > size - pixelOffset) return false;

    layout.width = width;
    layout.height = static_cast<int32_t>(rows);
    layout.topDown = height < 0;
    layout.bitCount = static_cast<int>(bitCount);
    layout.infoOffset = kBmpFileHeaderSize;
    layout.tableOffset = tableOffset;
    layout.tableEntries = entries;
    layout.pixelOffset = pixelOffset;
    layout.pixelSize = static_cast<size_t>(pixelSize);
    return true;
}
