#pragma once
// BMP files made by the tests: an image of palette indices (or 0xRRGGBB
// colours for 24 bits) written as a bottom-up (or top-down) file.
#include <cstdint>
#include <string>
#include <vector>

namespace test_bmp {

struct Image {
    int bits = 24;                    // 1, 4, 8 or 24
    int width = 0, height = 0;
    std::vector<uint32_t> palette;    // 0xRRGGBB, for 1, 4 and 8 bits
    std::vector<uint32_t> pixels;     // row by row from the top: indices, or 0xRRGGBB
    bool topDown = false;
};

inline void Put16(std::string& out, size_t at, uint32_t v)
{
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}
inline void Put32(std::string& out, size_t at, uint32_t v) { Put16(out, at, v & 0xFFFF), Put16(out, at + 2, v >> 16); }
// 0xRRGGBB as the file holds it: blue, green, red.
inline void PutColour(std::string& out, size_t at, uint32_t rgb)
{
    Put16(out, at, rgb & 0xFFFF);
    out[at + 2] = static_cast<char>(rgb >> 16 & 0xFF);
}

// The file's bytes: file header, 40-byte information header, the full
// colour table, the rows padded to 4 bytes.
inline std::string Encode(const Image& image)
{
    const size_t table = image.bits == 24 ? 0 : size_t{4} << image.bits;
    const size_t rowBytes = (static_cast<size_t>(image.width) * image.bits + 31) / 32 * 4;
    const size_t offset = 14 + 40 + table;
    std::string out(offset + rowBytes * image.height, '\0');
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, static_cast<uint32_t>(offset));
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<uint32_t>(image.width));
    Put32(out, 22, static_cast<uint32_t>(image.topDown ? -image.height : image.height));
    Put32(out, 34, static_cast<uint32_t>(rowBytes * image.height));
    Put16(out, 26, 1);
    Put16(out, 28, static_cast<uint32_t>(image.bits));
    for (size_t i = 0; i < image.palette.size() && i < table / 4; ++i) PutColour(out, 54 + 4 * i, image.palette[i]);
    for (int y = 0; y < image.height; ++y) {
        size_t row = offset + rowBytes * (image.topDown ? y : image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            uint32_t v = image.pixels[static_cast<size_t>(y) * image.width + x];
            size_t bit = static_cast<size_t>(x) * image.bits;
            if (image.bits == 24)
                PutColour(out, row + 3 * x, v);
            else
                out[row + bit / 8] = static_cast<char>(out[row + bit / 8] | v << (8 - image.bits - bit % 8));
        }
    }
    return out;
}

// A width × height image of one colour (24 bits) or of palette index
// (x + y) % colours.
inline Image Checker(int bits, int width, int height, std::vector<uint32_t> palette)
{
    Image image{bits, width, height, std::move(palette), {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.pixels.push_back(bits == 24 ? image.palette.at(0) : (x + y) % image.palette.size());
    if (bits == 24) image.palette.clear();
    return image;
}

// An image of 6 × 4 pixels whose colours differ from pixel to pixel as far
// as the bit count allows, and the colour of a pixel.
inline Image Pattern(int bits, bool topDown)
{
    Image image{bits, 6, 4, {}, {}, topDown};
    int colours = bits == 24 ? 0 : 1 << bits;
    for (int i = 0; i < colours && i < 24; ++i)
        image.palette.push_back((0x102030u * (i + 1) ^ (i & 1 ? 0xFF0000 : 0xFF)) & 0xFFFFFF);
    for (int i = 0; i < 24; ++i) image.pixels.push_back(bits == 24 ? (0x0A0B0Cu * (i + 1)) & 0xFFFFFF : i % colours);
    return image;
}
inline uint32_t ColourAt(const Image& image, int x, int y)
{
    uint32_t v = image.pixels[static_cast<size_t>(y) * image.width + x];
    return image.bits == 24 ? v : image.palette[v];
}

} // namespace test_bmp
