#include "capture/capture_command.h"

#include <windows.h>

#include "capture/capture_texts.h"
#include "capture/loader_command.h"
#include "capture/loader_staging.h"
#include "capture/output_path.h"
#include "capture/picture_output.h"
#include "capture/staging_folder.h"
#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/win/file_system.h"
#include "framework/win/secret_text.h"

namespace capture {
namespace {

constexpr int kMostNumbersLookedAt = 1000000;

// Whatever the capture's outcome, neither the loader nor the user's picture stays in the
// shared folder.
class StagedFilesRemoval {
public:
    explicit StagedFilesRemoval(const fw::HeldFolder& folder) : folder_(folder) {}
    ~StagedFilesRemoval() { removeStagedFiles(folder_); }
    StagedFilesRemoval(const StagedFilesRemoval&) = delete;
    StagedFilesRemoval& operator=(const StagedFilesRemoval&) = delete;

private:
    const fw::HeldFolder& folder_;
};

// The number of the capture's picture: the next one after the count that names no existing
// file, so that no earlier picture is ever replaced. A name that cannot be a plain file of
// the folder is not looked for: its save fails.
std::int32_t takePictureNumber(const CaptureRequest& request)
{
    const char* extension = fw::extensionOf(request.format);
    std::int32_t number = nextCaptureCount(request.count);
    if (!isPlainFileName(outputFileName(request.prefix, number, extension), fw::isLeadByte))
        return number;
    // Bounded: a folder that claims to hold every name must not hold the capture for ever.
    for (int looked = 0; looked < kMostNumbersLookedAt; ++looked) {
        if (!fw::fileExists(outputPath(request.folder, request.prefix, number, extension)))
            break;
        number = nextCaptureCount(number);
    }
    return number;
}

// The hidden log, and what this run alone said.
class RunLog : public LoaderLog {
public:
    explicit RunLog(LoaderLog& log) : log_(log) {}
    void append(const std::string& text) override
    {
        log_.append(text);
        said_ += text;
    }
    const std::string& said() const { return said_; }

private:
    LoaderLog& log_;
    std::string said_;
};

// Stages the loader and runs it; the staged file is held against change until it has run.
LoaderRunResult stageAndRunLoader(const fw::HeldFolder& folder, LoaderLog& log, std::chrono::milliseconds bound,
                                  const std::string& password)
{
    const StagedLoader loader = stageLoader(folder);
    const fw::SecretText commandLine(loaderCommandLine(password));  // wiped when done with
    return runLoader(log, bound, commandLine.text().c_str());
}

CaptureOutcome message(const char* text)
{
    return {CaptureOutcome::Kind::Message, text};
}

CaptureOutcome capture(const CaptureRequest& request, CaptureWindow& window, std::chrono::milliseconds loaderBound)
{
    const fw::HeldFolder folder = holdStagingFolder();
    const StagedFilesRemoval removal(folder);
    // A bitmap left by an earlier capture must not pass for this capture's result.
    if (!folder.removePlainFile(kCaptureBitmapName))
        throw fw::errors::cannotDeleteFile(kCaptureBitmap);
    RunLog log(window.loaderLog());
    switch (stageAndRunLoader(folder, log, loaderBound, request.password)) {
    case LoaderRunResult::PipeFailed:
        return message(texts::kCannotCreatePipe);
    case LoaderRunResult::ProcessFailed:
        return message(texts::kCannotStartLoader);
    case LoaderRunResult::Cancelled:
        return {CaptureOutcome::Kind::Cancelled, {}};
    case LoaderRunResult::TimedOut:
        return message(texts::kLoaderTimedOut);
    case LoaderRunResult::Finished:
        break;
    }
    if (!fw::fileExists(kCaptureBitmap))
        return asksForPassword(log.said()) ? CaptureOutcome{CaptureOutcome::Kind::Locked, {}}
                                           : message(texts::kNoBitmap);

    const fw::PixelImage picture = loadCaptureBitmap(kCaptureBitmap);
    window.showPreview(picture);

    // The number is used up before the file is written: a failed save still takes it.
    const std::int32_t number = takePictureNumber(request);
    window.takeCaptureNumber(number);
    const char* extension = fw::extensionOf(request.format);
    const std::string path = outputPath(request.folder, request.prefix, number, extension);
    if (!isPlainFileName(outputFileName(request.prefix, number, extension), fw::isLeadByte))
        throw fw::errors::cannotCreateFile(path);  // it would name a device, or reach elsewhere
    savePicture(picture, path, request.format);
    return {CaptureOutcome::Kind::Saved, path};
}

}  // namespace

std::int32_t nextCaptureCount(std::int32_t count)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + 1u);
}

CaptureOutcome captureScreen(const CaptureRequest& request, CaptureWindow& window,
                             std::chrono::milliseconds loaderBound)
{
    try {
        return capture(request, window, loaderBound);
    } catch (const fw::Error& e) {
        return {CaptureOutcome::Kind::Error, e.message()};
    }
}

}  // namespace capture
