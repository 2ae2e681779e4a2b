#pragma once
// Where the parts of a BMP file lie, checked against the file's real size
// before anything is read or allocated from its headers.
//
// Accepted: the "BM" signature; an information header of 40 bytes or one of
// its longer versions (52, 56, 108, 124), of which the first 40 are used;
// one plane; 1, 4, 8 or 24 bits per pixel, uncompressed; a width of 1 to
// 32767 and a height of 1 to 32767 either way up (a negative height is a
// top-down file), at most 64 Mi pixels; for 1, 4 and 8 bits a colour table
// of `ClrUsed` entries (the full 2^bits when 0, never more) right after the
// header; pixel data at the file header's offset, after the table, with
// every row (padded to 4 bytes) inside the file. The file header's size
// field is not trusted: the file's own size is.
#include <cstddef>
#include <cstdint>

struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;     // rows, positive
    bool topDown = false;
    int bitCount = 0;       // 1, 4, 8 or 24
    size_t infoOffset = 0;  // the 40-byte information header
    size_t tableOffset = 0;
    size_t tableEntries = 0; // 4 bytes each; 0 for 24 bits
    size_t pixelOffset = 0;
    size_t pixelSize = 0;   // rows × padded row length
};

inline constexpr size_t kBmpFileHeaderSize = 14;
inline constexpr size_t kBmpInfoHeaderSize = 40;

// False for a file outside what is accepted; `layout` is then unspecified.
bool ReadBmpLayout(const unsigned char* data, size_t size, BmpLayout& layout);
