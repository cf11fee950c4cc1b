// The benchmark's program. Two commands:
//   picture_bench bitmaps FOLDER   writes the benchmark's bitmap files (and, for the 16-bit
//                                  one, a 24-bit copy for cjpeg)
//   picture_bench convert IN OUT   our bitmap-file-to-picture-file path, once: a JPEG, or a
//                                  PNG when OUT ends in .png
// bench/picture-bench times `convert` against cjpeg, and against ImageMagick for PNG, on the
// same files.
#include "framework/error.h"
#include "framework/graphics/bitmap_reader.h"
#include "framework/graphics/picture_format.h"

#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> readWhole(const char* path)
{
    std::vector<std::uint8_t> bytes;
    std::FILE* in = std::fopen(path, "rb");
    if (!in)
        throw fw::errors::cannotOpenFile(path);
    std::fseek(in, 0, SEEK_END);
    bytes.resize(static_cast<std::size_t>(std::ftell(in)));
    std::fseek(in, 0, SEEK_SET);
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), in);
    std::fclose(in);
    if (read != bytes.size())
        throw fw::errors::cannotOpenFile(path);
    return bytes;
}

void writeWhole(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fclose(out) != 0)
        throw fw::errors::cannotCreateFile(path);
}

// The bitmap file is mapped rather than copied, as the program maps the capture bitmap.
void convert(const char* in, const char* out)
{
    const int fd = open(in, O_RDONLY);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0 || info.st_size == 0)
        throw fw::errors::cannotOpenFile(in);
    const std::size_t size = static_cast<std::size_t>(info.st_size);
    void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (mapped == MAP_FAILED)
        throw fw::errors::cannotOpenFile(in);
    fw::PixelImage image;
    try {
        image = fw::readBitmap(static_cast<const std::uint8_t*>(mapped), size);
    } catch (...) {
        munmap(mapped, size);
        throw;
    }
    munmap(mapped, size);
    const std::string name(out);
    const bool png = name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0;
    writeWhole(out, fw::encodePicture(image, png ? fw::PictureFormat::Png : fw::PictureFormat::Jpeg));
}

void put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// A screen-like picture: soft gradients, hard-edged panels and fine text-like detail.
fw::PixelImage screenLike(int width, int height)
{
    fw::PixelImage image{width, height, {}};
    image.rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool panel = (x / 64 + y / 48) % 3 == 0;
            const bool detail = ((x * 7 + y * 13) % 11 < 3) && (y / 6) % 4 == 1;
            image.rgb.push_back(static_cast<std::uint8_t>(panel ? 30 : x * 255 / width));
            image.rgb.push_back(static_cast<std::uint8_t>(panel ? 90 : y * 255 / height));
            image.rgb.push_back(static_cast<std::uint8_t>(detail ? 0 : panel ? 160 : (x + y) * 255 / (width + height)));
        }
    return image;
}

// Bottom-up rows; 24 bits, or 16 bits 5-6-5 with bit-field masks after the 40-byte header.
void writeBitmap(const std::string& path, const fw::PixelImage& image, int bits)
{
    const int width = image.width, height = image.height;
    const std::size_t header = 14 + 40 + (bits == 16 ? 12 : 0);
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    std::vector<std::uint8_t> b(header + stride * static_cast<std::size_t>(height), 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    put32(b, 10, static_cast<std::uint32_t>(header));
    put32(b, 14, 40);
    put32(b, 18, static_cast<std::uint32_t>(width));
    put32(b, 22, static_cast<std::uint32_t>(height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<std::uint32_t>(bits));
    if (bits == 16) {
        put32(b, 30, 3);
        put32(b, 54, 0xF800);
        put32(b, 58, 0x07E0);
        put32(b, 62, 0x001F);
    }
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = b.data() + header + stride * static_cast<std::size_t>(height - 1 - y);
        const std::uint8_t* c = image.rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
        for (int x = 0; x < width; ++x, c += 3) {
            if (bits == 24) {
                row[x * 3] = c[2];
                row[x * 3 + 1] = c[1];
                row[x * 3 + 2] = c[0];
            } else {
                const std::uint32_t v = (c[0] >> 3) << 11 | (c[1] >> 2) << 5 | c[2] >> 3;
                row[x * 2] = v & 0xFF;
                row[x * 2 + 1] = static_cast<std::uint8_t>(v >> 8);
            }
        }
    }
    writeWhole(path, b);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "convert" && argc == 4) {
            convert(argv[2], argv[3]);
            return 0;
        }
        if (command == "bitmaps" && argc == 3) {
            const std::string folder = argv[2];
            writeBitmap(folder + "/480x360x24.bmp", screenLike(480, 360), 24);
            writeBitmap(folder + "/800x480x24.bmp", screenLike(800, 480), 24);
            writeBitmap(folder + "/4096x4096x24.bmp", screenLike(4096, 4096), 24);
            // cjpeg reads no 16-bit bitmaps: its copy holds the same pixels at 24 bits.
            const std::string fiveSixFive = folder + "/480x360x16.bmp";
            writeBitmap(fiveSixFive, screenLike(480, 360), 16);
            const std::vector<std::uint8_t> file = readWhole(fiveSixFive.c_str());
            writeBitmap(folder + "/480x360x16-as-24.bmp", fw::readBitmap(file.data(), file.size()), 24);
            return 0;
        }
        std::fprintf(stderr, "usage: %s bitmaps FOLDER | convert IN.bmp OUT.jpg|OUT.png\n", argv[0]);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
