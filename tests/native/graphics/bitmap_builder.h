// Builds small Windows bitmap files in memory for tests and fuzz seeds.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace testbmp {

using Bytes = std::vector<std::uint8_t>;
using Colour = std::array<std::uint8_t, 3>;  // red, green, blue

struct BitmapFile {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;  // negative: rows stored top-down
    std::uint16_t planes = 1;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
    std::vector<std::uint32_t> masks;  // red, green, blue (and alpha), for bit fields
    std::vector<Colour> palette;
    std::uint32_t colorsUsed = 0;
    Bytes pixels;  // exactly as stored: padded rows, or run-length codes
};

inline void put16(Bytes& b, std::size_t at, std::uint32_t v)
{
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
inline void put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// The whole file: file header, info header, masks, palette, pixels.
inline Bytes build(const BitmapFile& f)
{
    const bool core = f.headerSize == 12;
    const bool masksAfterHeader = f.headerSize == 40 && f.compression == 3;
    Bytes b(14 + f.headerSize, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 14, f.headerSize);
    if (core) {
        put16(b, 18, static_cast<std::uint32_t>(f.width));
        put16(b, 20, static_cast<std::uint32_t>(f.height));
        put16(b, 22, f.planes);
        put16(b, 24, f.bits);
    } else {
        put32(b, 18, static_cast<std::uint32_t>(f.width));
        put32(b, 22, static_cast<std::uint32_t>(f.height));
        put16(b, 26, f.planes);
        put16(b, 28, f.bits);
        put32(b, 30, f.compression);
        put32(b, 34, static_cast<std::uint32_t>(f.pixels.size()));
        put32(b, 46, f.colorsUsed);
        if (!masksAfterHeader)
            for (std::size_t i = 0; i < f.masks.size() && 40 + 4 * i + 4 <= f.headerSize; ++i)
                put32(b, 14 + 40 + 4 * i, f.masks[i]);
    }
    if (masksAfterHeader)
        for (std::size_t i = 0; i < 3 && i < f.masks.size(); ++i) {
            b.resize(b.size() + 4);
            put32(b, b.size() - 4, f.masks[i]);
        }
    for (const Colour& c : f.palette) {
        b.push_back(c[2]);
        b.push_back(c[1]);
        b.push_back(c[0]);
        if (!core)
            b.push_back(0);
    }
    put32(b, 10, static_cast<std::uint32_t>(b.size()));
    b.insert(b.end(), f.pixels.begin(), f.pixels.end());
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

// Packs rows of pixel values (palette indices, or whole pixels: 16-bit words, 0xRRGGBB for
// 24 bits, 32-bit words), in file order, into padded rows.
inline Bytes packRows(unsigned bits, const std::vector<std::vector<std::uint32_t>>& rows)
{
    Bytes out;
    for (const auto& row : rows) {
        Bytes r((row.size() * bits + 31) / 32 * 4, 0);
        for (std::size_t x = 0; x < row.size(); ++x) {
            const std::uint32_t v = row[x];
            switch (bits) {
            case 1:
            case 4:
            case 8:
                r[x * bits / 8] |= static_cast<std::uint8_t>(v << (8 - bits - (x * bits) % 8));
                break;
            case 16: put16(r, x * 2, v); break;
            case 24:
                r[x * 3] = v & 0xFF;  // blue, green, red
                r[x * 3 + 1] = (v >> 8) & 0xFF;
                r[x * 3 + 2] = (v >> 16) & 0xFF;
                break;
            case 32: put32(r, x * 4, v); break;
            }
        }
        out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

// A plain 24-bit picture of the given size with a smooth, colourful pattern.
inline BitmapFile gradient24(int width, int height)
{
    BitmapFile f;
    f.width = width;
    f.height = height;
    f.pixels.reserve(static_cast<std::size_t>((width * 3 + 3) / 4 * 4) * static_cast<std::size_t>(height));
    std::vector<std::vector<std::uint32_t>> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t r = static_cast<std::uint32_t>(x * 255 / (width > 1 ? width - 1 : 1));
            const std::uint32_t g = static_cast<std::uint32_t>(y * 255 / (height > 1 ? height - 1 : 1));
            const std::uint32_t b = static_cast<std::uint32_t>((x + y) % 64 * 4);
            rows[static_cast<std::size_t>(height - 1 - y)].push_back(r << 16 | g << 8 | b);
        }
    f.pixels = packRows(24, rows);
    return f;
}

}  // namespace testbmp
