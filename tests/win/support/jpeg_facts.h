// What a picture file holds, found by decoding it as a viewer would.
#pragma once

#include <string>

namespace testing_support {

struct JpegFacts {
    bool decoded = false;
    std::string error;  // libjpeg's message when it could not decode
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
    bool hasColour = false;  // some pixel is not a grey
};

JpegFacts decodeJpegFile(const std::string& path);

}  // namespace testing_support
