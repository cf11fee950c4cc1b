// Writes the fuzzer's seed corpus: one small file of each form the bitmap reader accepts.
#include "tests/native/graphics/bitmap_builder.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using testbmp::BitmapFile;

void write(const std::string& folder, const char* name, const BitmapFile& f)
{
    const testbmp::Bytes bytes = testbmp::build(f);
    const std::string path = folder + "/" + name;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fclose(out);
}

BitmapFile indexed(std::uint32_t headerSize, std::uint16_t bits, std::int32_t height)
{
    BitmapFile f;
    f.headerSize = headerSize;
    f.width = 5;
    f.height = height;
    f.bits = bits;
    f.palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    f.colorsUsed = headerSize == 12 ? 0 : 4;
    f.pixels = testbmp::packRows(bits, {{0, 1, 2, 3, 1}, {3, 2, 1, 0, 0}, {1, 1, 2, 2, 3}});
    return f;
}

BitmapFile packed(std::uint32_t headerSize, std::uint16_t bits, std::vector<std::uint32_t> masks)
{
    BitmapFile f;
    f.headerSize = headerSize;
    f.width = 3;
    f.height = -2;
    f.bits = bits;
    if (!masks.empty()) {
        f.compression = 3;
        f.masks = std::move(masks);
    }
    f.pixels = testbmp::packRows(bits, {{0x12345678, 0xFFFF, 0x7C00}, {0x1F, 0x3E0, 0xF0F0F0F0}});
    return f;
}

BitmapFile runLength(std::uint16_t bits)
{
    BitmapFile f = indexed(40, bits, 3);
    f.compression = bits == 8 ? 1 : 2;
    f.pixels = {0, 2, 1, 1, 3, 1, 0, 3, 1, 2, 3, 0, 0, 0, 2, 0x12, 0, 1};
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    BitmapFile picture = testbmp::gradient24(5, 3);
    write(folder, "info-24.bmp", picture);
    picture.headerSize = 12;
    write(folder, "core-24.bmp", picture);
    write(folder, "core-8.bmp", indexed(12, 8, 3));
    write(folder, "info-1.bmp", indexed(40, 1, 3));
    write(folder, "info-4-top-down.bmp", indexed(40, 4, -3));
    write(folder, "v5-8.bmp", indexed(124, 8, 3));
    write(folder, "rle8.bmp", runLength(8));
    write(folder, "rle4.bmp", runLength(4));
    write(folder, "info-16-555.bmp", packed(40, 16, {}));
    write(folder, "info-16-565.bmp", packed(40, 16, {0xF800, 0x07E0, 0x001F}));
    write(folder, "v3-32-masks.bmp", packed(56, 32, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}));
    write(folder, "v4-32.bmp", packed(108, 32, {}));
    return 0;
}
