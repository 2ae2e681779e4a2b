#pragma once
// Numbers of the file formats that the drawing language reads (BMP, EMF):
// little-endian, at any alignment.
#include <cstdint>

inline uint32_t ReadLittle16(const unsigned char* p)
{
    return p[0] | p[1] << 8;
}

inline uint32_t ReadLittle32(const unsigned char* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
