#include "tests/win/support/jpeg_facts.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include <jpeglib.h>

namespace testing_support {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto* error = reinterpret_cast<ErrorJump*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// Channels further apart than this make a colour, not a grey that the encoder shifted.
constexpr int kGreyTolerance = 16;

bool colourful(const JSAMPLE* row, JDIMENSION width, int components)
{
    if (components < 3)
        return false;
    for (JDIMENSION x = 0; x < width; ++x) {
        const int r = row[x * components], g = row[x * components + 1], b = row[x * components + 2];
        if (std::abs(r - g) > kGreyTolerance || std::abs(g - b) > kGreyTolerance)
            return true;
    }
    return false;
}

}  // namespace

JpegFacts decodeJpegFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    JpegFacts facts;
    if (bytes.empty()) {
        facts.error = "no file or an empty one";
        return facts;
    }

    std::vector<JSAMPLE> row;  // made before the jump point, so a jump leaves nothing to free
    jpeg_decompress_struct info{};
    ErrorJump error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = onError;
    if (setjmp(error.jump)) {
        facts.error = error.message;
        jpeg_destroy_decompress(&info);
        return facts;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    facts.components = info.num_components;
    facts.progressive = info.progressive_mode != 0;
    jpeg_start_decompress(&info);
    facts.width = static_cast<int>(info.output_width);
    facts.height = static_cast<int>(info.output_height);
    row.resize(static_cast<std::size_t>(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        facts.hasColour = facts.hasColour || colourful(row.data(), info.output_width, info.output_components);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    facts.decoded = true;
    return facts;
}

}  // namespace testing_support
