#include "capture/picture_output.h"

#include "framework/error.h"
#include "framework/graphics/bitmap_reader.h"
#include "framework/win/file_io.h"
#include "framework/win/held_folder.h"

namespace capture {
namespace {

// No bitmap the reader accepts is larger: its pixel rows take at most 4 bytes per decoded
// pixel (4/3 of the decoded size), and headers, masks and palette fit in 64 KiB.
constexpr std::uint64_t kLargestBitmapFile = fw::kMaxDecodedBitmapBytes / 3 * 4 + 64 * 1024;

}  // namespace

fw::PixelImage loadCaptureBitmap(const std::string& path)
{
    const fw::UniqueFile file = fw::openForReading(path, FILE_SHARE_READ);
    // A link, a junction or a second name of some other file is no capture of ours.
    if (!fw::isPlainFileAt(file.get(), path, true))
        throw fw::errors::invalidBitmap();
    const std::uint64_t size = fw::fileSize(file.get());
    if (size == 0 || size > kLargestBitmapFile)
        throw fw::errors::invalidBitmap();
    // Mapped, not copied: a large bitmap then costs its decoded pixels and little more.
    const fw::FileView bytes(file.get(), static_cast<std::size_t>(size));
    return fw::readBitmap(bytes.data(), bytes.size());
}

void savePicture(const fw::PixelImage& image, const std::string& outputPath, fw::PictureFormat format)
{
    const std::vector<std::uint8_t> file = fw::encodePicture(image, format);
    fw::writeNewFile(outputPath, file.data(), file.size());
}

}  // namespace capture
