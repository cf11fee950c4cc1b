// The capture command: one press of the capture button makes one capture of the
// handheld's screen and, when the loader delivered a bitmap, one numbered JPEG file.
#pragma once

#include <cstdint>
#include <string>

#include "capture/loader_run.h"
#include "framework/graphics/pixel_image.h"

namespace capture {

// What the capture reads from and shows in the main window.
class CaptureWindow {
public:
    virtual ~CaptureWindow() = default;
    virtual void setCaptureEnabled(bool enabled) = 0;
    virtual std::string saveFolder() const = 0;
    virtual std::string namePrefix() const = 0;
    virtual std::int32_t captureCount() const = 0;
    virtual void setCaptureCount(std::int32_t count) = 0;
    // Keeps the count for the next start; raises when it cannot.
    virtual void storeCaptureCount(std::int32_t count) = 0;
    virtual LoaderLog& loaderLog() = 0;
    virtual void showPreview(const fw::PixelImage& picture) = 0;
    virtual void showSavedPath(const std::string& path) = 0;
};

// Runs one capture to its end. Failures the command reports itself (no bitmap, the time
// bound, a pipe or process that cannot be made) are shown here; the others are raised
// for the event loop's error box. The capture button is enabled again however it ends.
void captureScreen(CaptureWindow& window, unsigned long loaderBoundMs = kLoaderRunBoundMs);

// The count after one more capture: after the largest 32-bit number comes the smallest.
std::int32_t nextCaptureCount(std::int32_t count);

}  // namespace capture
