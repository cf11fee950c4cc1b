#include "framework/graphics/bitmap_reader.h"

#include "framework/error.h"

#include <algorithm>
#include <array>
#include <bit>

namespace fw {
namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;

[[noreturn]] void invalid() { throw errors::invalidBitmap(); }

// Little-endian reads that refuse to leave the file.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t size() const { return size_; }
    const std::uint8_t* at(std::size_t offset, std::size_t count) const
    {
        if (offset > size_ || count > size_ - offset)
            invalid();
        return data_ + offset;
    }
    std::uint16_t u16(std::size_t offset) const
    {
        const std::uint8_t* p = at(offset, 2);
        return static_cast<std::uint16_t>(p[0] | p[1] << 8);
    }
    std::uint32_t u32(std::size_t offset) const
    {
        const std::uint8_t* p = at(offset, 4);
        return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
               std::uint32_t{p[3]} << 24;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// One colour of a bit-field pixel: where its bits are and how they widen to 8 bits. A
// channel of more than 8 bits keeps its top 8; a narrower one is scaled through a table.
class Channel {
public:
    explicit Channel(std::uint32_t mask) : mask_(mask)
    {
        if (mask == 0)
            invalid();
        const int shift = std::countr_zero(mask);
        const std::uint32_t bits = mask >> shift;
        if ((bits & (bits + 1)) != 0)  // not one run of ones
            invalid();
        const int width = std::popcount(bits);
        shift_ = width > 8 ? shift + width - 8 : shift;
        const std::uint32_t top = width > 8 ? 255 : bits;
        for (std::uint32_t v = 0; v <= top; ++v)
            scale_[v] = static_cast<std::uint8_t>((v * 255 + top / 2) / top);
    }
    std::uint8_t operator()(std::uint32_t pixel) const { return scale_[(pixel & mask_) >> shift_]; }

private:
    std::uint32_t mask_;
    int shift_ = 0;
    std::array<std::uint8_t, 256> scale_{};
};

struct Layout {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    unsigned bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue, when compression is kBitFields
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteCount = 0;
    std::size_t pixelOffset = 0;
};

bool isKnownHeaderSize(std::uint32_t size)
{
    return size == kCoreHeaderSize || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool isAllowedDepth(const Layout& l)
{
    switch (l.compression) {
    case kRgb:
        return l.bitsPerPixel == 1 || l.bitsPerPixel == 4 || l.bitsPerPixel == 8 || l.bitsPerPixel == 24 ||
               (l.headerSize != kCoreHeaderSize && (l.bitsPerPixel == 16 || l.bitsPerPixel == 32));
    case kRle8: return l.bitsPerPixel == 8 && !l.topDown;
    case kRle4: return l.bitsPerPixel == 4 && !l.topDown;
    case kBitFields: return l.bitsPerPixel == 16 || l.bitsPerPixel == 32;
    default: return false;
    }
}

Layout readLayout(const Bytes& file)
{
    Layout l;
    const std::uint8_t* magic = file.at(0, 2);
    if (magic[0] != 'B' || magic[1] != 'M')
        invalid();
    l.pixelOffset = file.u32(10);
    l.headerSize = file.u32(kFileHeaderSize);
    if (!isKnownHeaderSize(l.headerSize))
        invalid();
    std::size_t headerEnd = kFileHeaderSize + l.headerSize;
    file.at(kFileHeaderSize, l.headerSize);

    std::uint16_t planes = 0;
    std::uint32_t colorsUsed = 0;
    if (l.headerSize == kCoreHeaderSize) {
        l.width = file.u16(18);
        l.height = file.u16(20);
        planes = file.u16(22);
        l.bitsPerPixel = file.u16(24);
        l.paletteEntrySize = 3;
    } else {
        l.width = static_cast<std::int32_t>(file.u32(18));
        l.height = static_cast<std::int32_t>(file.u32(22));
        planes = file.u16(26);
        l.bitsPerPixel = file.u16(28);
        l.compression = file.u32(30);
        colorsUsed = file.u32(46);
        if (l.compression == kBitFields) {
            // The 40-byte header keeps its masks just after it; the longer ones inside.
            const std::size_t masksAt = l.headerSize == 40 ? headerEnd : kFileHeaderSize + 40;
            for (std::size_t i = 0; i < 3; ++i)
                l.masks[i] = file.u32(masksAt + 4 * i);
            if (l.headerSize == 40)
                headerEnd += 12;
        }
    }
    if (planes != 1 || l.width <= 0 || l.height == 0)
        invalid();
    if (l.height < 0) {
        l.topDown = true;
        l.height = -l.height;
    }
    // Both sides are below 2^31, so the product cannot overflow.
    if (static_cast<std::uint64_t>(l.width) * static_cast<std::uint64_t>(l.height) > kMaxDecodedBitmapBytes / 3)
        invalid();
    if (!isAllowedDepth(l))
        invalid();

    l.paletteOffset = headerEnd;
    if (l.bitsPerPixel <= 8) {
        const std::size_t fullPalette = std::size_t{1} << l.bitsPerPixel;
        if (l.headerSize == kCoreHeaderSize) {
            // No count in this header: the palette fills the room before the pixels.
            if (l.pixelOffset <= headerEnd)
                invalid();
            l.paletteCount = std::min(fullPalette, (l.pixelOffset - headerEnd) / l.paletteEntrySize);
        } else {
            if (colorsUsed > fullPalette)
                invalid();
            l.paletteCount = colorsUsed != 0 ? colorsUsed : fullPalette;
        }
        if (l.paletteCount == 0)
            invalid();
        headerEnd += l.paletteCount * l.paletteEntrySize;  // at most 256 * 4
    }
    if (l.pixelOffset < headerEnd || l.pixelOffset >= file.size())
        invalid();
    return l;
}

struct Rgb {
    std::uint8_t r, g, b;
};
static_assert(sizeof(Rgb) == 3);

std::vector<Rgb> readPalette(const Bytes& file, const Layout& l)
{
    std::vector<Rgb> palette(l.paletteCount);
    const std::uint8_t* p = file.at(l.paletteOffset, l.paletteCount * l.paletteEntrySize);
    for (auto& c : palette) {
        c = {p[2], p[1], p[0]};
        p += l.paletteEntrySize;
    }
    return palette;
}

class Canvas {
public:
    explicit Canvas(const Layout& l) : layout_(l)
    {
        image_.width = static_cast<int>(l.width);
        image_.height = static_cast<int>(l.height);
        image_.rgb.assign(static_cast<std::size_t>(l.width) * static_cast<std::size_t>(l.height) * 3, 0);
    }
    // The output row for the file's row number `fileRow`.
    std::uint8_t* row(std::int64_t fileRow)
    {
        const std::int64_t top = layout_.topDown ? fileRow : layout_.height - 1 - fileRow;
        return image_.rgb.data() + static_cast<std::size_t>(top) * static_cast<std::size_t>(layout_.width) * 3;
    }
    PixelImage take() { return std::move(image_); }

private:
    const Layout& layout_;
    PixelImage image_;
};

void put(std::uint8_t* out, const std::vector<Rgb>& palette, unsigned index)
{
    if (index >= palette.size())
        invalid();
    out[0] = palette[index].r;
    out[1] = palette[index].g;
    out[2] = palette[index].b;
}

void decodeUncompressed(const Bytes& file, const Layout& l, Canvas& canvas)
{
    const std::uint64_t width = static_cast<std::uint64_t>(l.width);
    const std::uint64_t stride = (width * l.bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t height = static_cast<std::uint64_t>(l.height);
    if (stride * height > file.size() - l.pixelOffset)  // fits: width * height is capped
        invalid();
    const std::uint8_t* rows = file.at(l.pixelOffset, static_cast<std::size_t>(stride * height));

    std::vector<Rgb> palette;
    if (l.bitsPerPixel <= 8)
        palette = readPalette(file, l);
    std::array<std::uint32_t, 3> masks = l.masks;
    if (l.compression == kRgb && l.bitsPerPixel == 16)
        masks = {0x7C00, 0x03E0, 0x001F};
    if (l.compression == kBitFields) {
        const std::uint32_t limit = l.bitsPerPixel == 16 ? 0xFFFFu : 0xFFFFFFFFu;
        if ((masks[0] & masks[1]) || (masks[0] & masks[2]) || (masks[1] & masks[2]) || masks[0] > limit ||
            masks[1] > limit || masks[2] > limit)
            invalid();
    }
    std::vector<Channel> channels;  // red, green, blue of a 16- or 32-bit bit-field pixel
    if (l.bitsPerPixel == 16 || l.compression == kBitFields)
        channels = {Channel(masks[0]), Channel(masks[1]), Channel(masks[2])};
    for (std::int64_t y = 0; y < l.height; ++y) {
        const std::uint8_t* in = rows + static_cast<std::size_t>(y) * stride;
        std::uint8_t* out = canvas.row(y);
        const std::size_t w = static_cast<std::size_t>(width);
        switch (l.bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
            const unsigned bits = l.bitsPerPixel;
            const unsigned perByte = 8 / bits;
            const unsigned valueMask = (1u << bits) - 1;
            for (std::size_t x = 0; x < w; ++x, out += 3) {
                const unsigned shift = 8 - bits * (1 + x % perByte);
                put(out, palette, (in[x / perByte] >> shift) & valueMask);
            }
            break;
        }
        case 24:
            for (std::size_t x = 0; x < w; ++x, in += 3, out += 3) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
            }
            break;
        case 32:
            if (l.compression == kRgb) {
                for (std::size_t x = 0; x < w; ++x, in += 4, out += 3) {
                    out[0] = in[2];
                    out[1] = in[1];
                    out[2] = in[0];
                }
                break;
            }
            [[fallthrough]];
        case 16:
            for (std::size_t x = 0; x < w; ++x, in += l.bitsPerPixel / 8, out += 3) {
                std::uint32_t v = std::uint32_t{in[0]} | std::uint32_t{in[1]} << 8;
                if (l.bitsPerPixel == 32)
                    v |= std::uint32_t{in[2]} << 16 | std::uint32_t{in[3]} << 24;
                out[0] = channels[0](v);
                out[1] = channels[1](v);
                out[2] = channels[2](v);
            }
            break;
        }
    }
}

// Run-length data: pairs of (count, index) with escapes for end of line, end of bitmap,
// a jump, and literal runs padded to 16 bits. Pixels it never reaches stay black.
void decodeRunLength(const Bytes& file, const Layout& l, Canvas& canvas)
{
    const std::vector<Rgb> palette = readPalette(file, l);
    const bool fourBits = l.compression == kRle4;
    std::size_t p = l.pixelOffset;
    std::int64_t x = 0, y = 0;
    auto paint = [&](unsigned count, auto indexOf) {
        if (y >= l.height || x + count > l.width)
            invalid();
        std::uint8_t* out = canvas.row(y) + static_cast<std::size_t>(x) * 3;
        for (unsigned i = 0; i < count; ++i, out += 3)
            put(out, palette, indexOf(i));
        x += count;
    };
    for (;;) {
        const std::uint8_t* pair = file.at(p, 2);
        p += 2;
        const unsigned count = pair[0], value = pair[1];
        if (count > 0) {
            paint(count, [&](unsigned i) { return fourBits ? (i % 2 ? value & 15 : value >> 4) : value; });
        } else if (value == 0) {  // end of line
            x = 0;
            if (++y > l.height)
                invalid();
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // jump right and up
            const std::uint8_t* delta = file.at(p, 2);
            p += 2;
            x += delta[0];
            y += delta[1];
            if (x > l.width || y >= l.height)
                invalid();
        } else {  // a literal run of `value` indices
            const std::size_t bytes = fourBits ? (value + 1) / 2 : value;
            const std::uint8_t* run = file.at(p, bytes + bytes % 2);
            p += bytes + bytes % 2;
            paint(value, [&](unsigned i) {
                return fourBits ? (i % 2 ? run[i / 2] & 15 : run[i / 2] >> 4) : unsigned{run[i]};
            });
        }
    }
}

}  // namespace

PixelImage readBitmap(const std::uint8_t* data, std::size_t size)
{
    const Bytes file(data, data ? size : 0);
    const Layout layout = readLayout(file);
    Canvas canvas(layout);
    if (layout.compression == kRle8 || layout.compression == kRle4)
        decodeRunLength(file, layout, canvas);
    else
        decodeUncompressed(file, layout, canvas);
    return canvas.take();
}

}  // namespace fw
