#include "framework/graphics/jpeg_writer.h"

#include "framework/error.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>
#include <jerror.h>

namespace fw {
namespace {

// libjpeg reports a failure by calling error_exit, which must not return. We jump back to
// the setjmp in compress() and throw from there, so no C++ exception crosses libjpeg's frames.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf back;
};

void onError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->back, 1);
}

// A growing memory destination. We keep our own rather than jpeg_mem_dest because that one
// loses track of its last buffer when compression fails part-way, and the buffer leaks.
struct MemoryDestination {
    jpeg_destination_mgr pub;
    unsigned char* data = nullptr;
    std::size_t capacity = 0;
    ~MemoryDestination() { std::free(data); }
};

void startDestination(j_compress_ptr) {}

boolean growDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    const std::size_t grown = dest->capacity * 2;
    auto* data = static_cast<unsigned char*>(std::realloc(dest->data, grown));
    if (!data)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 10);
    dest->data = data;
    dest->pub.next_output_byte = data + dest->capacity;
    dest->pub.free_in_buffer = grown - dest->capacity;
    dest->capacity = grown;
    return TRUE;
}

void endDestination(j_compress_ptr) {}

// Plain C data only between setjmp and longjmp: nothing here has a destructor to skip.
// Returns 0, or libjpeg's message number on failure. The caller frees dest->data.
int compress(const PixelImage& image, MemoryDestination* dest)
{
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    if (setjmp(errors.back)) {
        const int code = errors.pub.msg_code;
        jpeg_destroy_compress(&cinfo);
        return code;
    }
    jpeg_create_compress(&cinfo);

    dest->pub.init_destination = startDestination;
    dest->pub.empty_output_buffer = growDestination;
    dest->pub.term_destination = endDestination;
    dest->pub.next_output_byte = dest->data;
    dest->pub.free_in_buffer = dest->capacity;
    cinfo.dest = &dest->pub;

    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);

    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    constexpr int kRowsPerCall = 16;
    JSAMPROW rows[kRowsPerCall];
    while (cinfo.next_scanline < cinfo.image_height) {
        const JDIMENSION first = cinfo.next_scanline;
        JDIMENSION count = 0;
        for (; count < kRowsPerCall && first + count < cinfo.image_height; ++count)  // libjpeg only reads them
            rows[count] = const_cast<JSAMPROW>(image.rgb.data() + (first + count) * stride);
        jpeg_write_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return 0;
}

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const PixelImage& image)
{
    // Negative sizes reach libjpeg as huge ones and fail there with its own message.
    const bool positive = image.width > 0 && image.height > 0;
    if (positive && image.rgb.size() / 3 / static_cast<std::size_t>(image.width) < static_cast<std::size_t>(image.height))
        throw std::invalid_argument("encodeJpeg: fewer pixels than width * height");

    MemoryDestination dest;
    // A first guess of a tenth of the raw size keeps the number of regrowths small.
    dest.capacity = std::max<std::size_t>(64 * 1024, positive ? image.rgb.size() / 10 : 0);
    dest.data = static_cast<unsigned char*>(std::malloc(dest.capacity));
    if (!dest.data)
        throw std::bad_alloc();
    const int failure = compress(image, &dest);
    if (failure)
        throw errors::jpegError(failure);
    return std::vector<std::uint8_t>(dest.data, dest.data + (dest.capacity - dest.pub.free_in_buffer));
}

}  // namespace fw
