// The capture command: one press of the capture button makes one capture of the
// handheld's screen and, when the loader delivered a bitmap, one numbered JPEG file. It
// reports what happened; the window shows it.
#pragma once

#include <cstdint>
#include <string>

#include "capture/loader_run.h"
#include "framework/graphics/picture_format.h"
#include "framework/graphics/pixel_image.h"

namespace capture {

// What the capture reads from the window at the moment of the click.
struct CaptureRequest {
    std::string folder;  // the folder list's folder
    std::string prefix;  // the prefix text, unaltered
    std::int32_t count;  // the capture count
    fw::PictureFormat format = fw::PictureFormat::Jpeg;
    std::string password = {};  // the handheld's password for the loader; empty: none
};

// What the capture shows in the window while it runs.
class CaptureWindow {
public:
    virtual ~CaptureWindow() = default;
    virtual LoaderLog& loaderLog() = 0;
    virtual void showPreview(const fw::PixelImage& picture) = 0;
    // The number this capture takes becomes the capture count and is stored for the next
    // start; raises when it cannot be stored.
    virtual void takeCaptureNumber(std::int32_t number) = 0;
};

struct CaptureOutcome {
    enum class Kind {
        Saved,    // text: the saved picture's path
        Message,  // text: what the message box says
        Error,    // text: the raised error's message, for the error box
        Locked,   // no bitmap, and the loader asked for the handheld's password
        Cancelled,  // ended early on purpose: nothing to show
    };
    Kind kind;
    std::string text;
};

// Runs one capture to its end.
CaptureOutcome captureScreen(const CaptureRequest& request, CaptureWindow& window,
                             std::chrono::milliseconds loaderBound = kLoaderRunBound);

// The count after one more capture: after the largest 32-bit number comes the smallest.
std::int32_t nextCaptureCount(std::int32_t count);

}  // namespace capture
