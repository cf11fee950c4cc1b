#include "loader/bitmap_file.h"

#include <stdexcept>

namespace loader {

namespace {

class Writer {
public:
    explicit Writer(std::vector<std::uint8_t>& out) : out_(out) {}
    void u16(unsigned v) { out_.push_back(v & 0xFF); out_.push_back((v >> 8) & 0xFF); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
    void byte(unsigned v) { out_.push_back(static_cast<std::uint8_t>(v)); }

private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace

std::vector<std::uint8_t> encodeBitmapFile(const ScreenImage& image, int bitsPerPixel)
{
    if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32)
        throw std::invalid_argument("bits per pixel must be 16, 24 or 32");

    constexpr std::uint32_t kFileHeaderSize = 14;
    constexpr std::uint32_t kInfoHeaderSize = 40;
    constexpr std::uint32_t kBiRgb = 0;
    constexpr std::uint32_t kBiBitfields = 3;
    const bool bitfields = bitsPerPixel == 16;
    const std::uint32_t masksSize = bitfields ? 12 : 0;
    const std::uint32_t stride = ((image.width * bitsPerPixel + 31) / 32) * 4;
    const std::uint32_t pixelsSize = stride * image.height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + masksSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelsSize);
    Writer w(out);
    // BITMAPFILEHEADER
    w.byte('B');
    w.byte('M');
    w.u32(offset + pixelsSize);
    w.u32(0);
    w.u32(offset);
    // BITMAPINFOHEADER: positive height, so rows run bottom-up.
    w.u32(kInfoHeaderSize);
    w.u32(image.width);
    w.u32(image.height);
    w.u16(1);
    w.u16(bitsPerPixel);
    w.u32(bitfields ? kBiBitfields : kBiRgb);
    w.u32(pixelsSize);
    w.u32(3780);  // 96 dots per inch
    w.u32(3780);
    w.u32(0);
    w.u32(0);
    if (bitfields) {
        w.u32(0xF800);
        w.u32(0x07E0);
        w.u32(0x001F);
    }

    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        const std::uint32_t* row = &image.pixels[static_cast<std::size_t>(y) * image.width];
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = row[x];
            const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (bitsPerPixel == 16) {
                w.u16(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
            } else {
                w.byte(b);
                w.byte(g);
                w.byte(r);
                if (bitsPerPixel == 32)
                    w.byte(0);
            }
        }
        while (out.size() - rowStart < stride)
            w.byte(0);
    }
    return out;
}

}  // namespace loader
