// Reads back what the JPEG writer made, for tests: its markers, its frame header and
// quantisation tables as libjpeg sees them, and its decoded pixels.
#pragma once

#include "framework/graphics/pixel_image.h"

#include <array>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace testjpeg {

// Marker codes (the byte after 0xFF) from the start of the file up to the first scan.
inline std::vector<std::uint8_t> markersBeforeScan(const std::vector<std::uint8_t>& jpeg)
{
    std::vector<std::uint8_t> markers;
    std::size_t p = 2;  // after SOI
    while (p + 4 <= jpeg.size() && jpeg[p] == 0xFF) {
        const std::uint8_t code = jpeg[p + 1];
        markers.push_back(code);
        if (code == 0xDA)
            break;
        p += 2 + (jpeg[p + 2] << 8 | jpeg[p + 3]);
    }
    return markers;
}

// The payload of the first segment with this marker code, or nothing.
inline std::vector<std::uint8_t> segment(const std::vector<std::uint8_t>& jpeg, std::uint8_t marker)
{
    std::size_t p = 2;
    while (p + 4 <= jpeg.size() && jpeg[p] == 0xFF) {
        const std::size_t length = jpeg[p + 2] << 8 | jpeg[p + 3];
        if (jpeg[p + 1] == marker && p + 2 + length <= jpeg.size())
            return {jpeg.begin() + static_cast<long>(p + 4), jpeg.begin() + static_cast<long>(p + 2 + length)};
        if (jpeg[p + 1] == 0xDA)
            break;
        p += 2 + length;
    }
    return {};
}

struct Decoded {
    bool ok = false;
    std::string error;
    int components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    bool progressive = false;
    std::vector<std::pair<int, int>> sampling;     // horizontal, vertical per component
    std::array<std::array<int, 64>, 2> quant{};    // luminance, chrominance; natural order
    fw::PixelImage image;
};

struct DecodeErrors {
    jpeg_error_mgr pub;
    std::jmp_buf back;
};

inline void onDecodeError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<DecodeErrors*>(cinfo->err)->back, 1); }

// Plain data only in the setjmp frame; the result is filled through the pointer.
inline void decodeInto(const std::vector<std::uint8_t>& jpeg, Decoded* out)
{
    jpeg_decompress_struct cinfo;
    DecodeErrors errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onDecodeError;
    if (setjmp(errors.back)) {
        out->ok = false;
        jpeg_destroy_decompress(&cinfo);
        return;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    out->components = cinfo.num_components;
    out->colourSpace = cinfo.jpeg_color_space;
    out->progressive = cinfo.progressive_mode;
    for (int i = 0; i < cinfo.num_components; ++i)
        out->sampling.emplace_back(cinfo.comp_info[i].h_samp_factor, cinfo.comp_info[i].v_samp_factor);
    for (int t = 0; t < 2; ++t)
        if (cinfo.quant_tbl_ptrs[t])
            for (int i = 0; i < 64; ++i)
                out->quant[t][i] = cinfo.quant_tbl_ptrs[t]->quantval[i];
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out->image.width = static_cast<int>(cinfo.output_width);
    out->image.height = static_cast<int>(cinfo.output_height);
    out->image.rgb.resize(static_cast<std::size_t>(cinfo.output_width) * cinfo.output_height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->image.rgb.data() + static_cast<std::size_t>(cinfo.output_scanline) * cinfo.output_width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    out->ok = true;
}

inline Decoded decode(const std::vector<std::uint8_t>& jpeg)
{
    Decoded d;
    decodeInto(jpeg, &d);
    return d;
}

}  // namespace testjpeg
