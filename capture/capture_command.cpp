#include "capture/capture_command.h"

#include <windows.h>

#include "capture/capture_texts.h"
#include "capture/loader_staging.h"
#include "capture/output_path.h"
#include "capture/picture_output.h"
#include "capture/staged_files.h"
#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/win/application.h"

namespace capture {
namespace {

// Disables the capture button for the length of one command.
class CaptureButtonHold {
public:
    explicit CaptureButtonHold(CaptureWindow& window) : window_(window) { window_.setCaptureEnabled(false); }
    ~CaptureButtonHold() { window_.setCaptureEnabled(true); }
    CaptureButtonHold(const CaptureButtonHold&) = delete;
    CaptureButtonHold& operator=(const CaptureButtonHold&) = delete;

private:
    CaptureWindow& window_;
};

bool folderExists(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool fileExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

void makeStagingFolder()
{
    if (!folderExists(kStagingFolder) && !CreateDirectoryA(kStagingFolderToCreate, nullptr))
        throw fw::Error(texts::kCannotCreateStagingFolder);
}

// A bitmap left by an earlier capture must not pass for this capture's result.
void removeStaleBitmap()
{
    if (!DeleteFileA(kCaptureBitmap) && fileExists(kCaptureBitmap))
        throw fw::Error(texts::kCannotDeleteStaleBitmap);
}

}  // namespace

std::int32_t nextCaptureCount(std::int32_t count)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + 1u);
}

void captureScreen(CaptureWindow& window, unsigned long loaderBoundMs)
{
    CaptureButtonHold hold(window);
    makeStagingFolder();
    removeStaleBitmap();
    stageLoader();
    switch (runLoader(window.loaderLog(), loaderBoundMs)) {
    case LoaderRunResult::Failed:
        return;  // its message is shown
    case LoaderRunResult::TimedOut:
        fw::showMessage(kLoaderTimedOutMessage);
        return;
    case LoaderRunResult::Finished:
        break;
    }
    if (!fileExists(kCaptureBitmap)) {
        fw::showMessage(texts::kNoBitmap);
        return;
    }

    const fw::PixelImage picture = loadCaptureBitmap(kCaptureBitmap);
    window.showPreview(picture);

    // The number is used up before the file is written: a failed save still takes it.
    const std::int32_t count = nextCaptureCount(window.captureCount());
    window.setCaptureCount(count);
    window.storeCaptureCount(count);
    saveJpeg(picture, outputPath(window.saveFolder(), window.namePrefix(), count));
    window.showSavedPath(outputPath(window.saveFolder(), window.namePrefix(), count));
    deleteStagedFiles();
}

}  // namespace capture
