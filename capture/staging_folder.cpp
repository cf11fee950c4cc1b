#include "capture/staging_folder.h"

#include <windows.h>

#include "capture/capture_texts.h"
#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/win/file_system.h"
#include "framework/win/private_security.h"

namespace capture {

fw::HeldFolder holdStagingFolder()
{
    if (!fw::fileExists(kStagingFolder)) {
        fw::PrivateSecurity security;
        CreateDirectoryA(kStagingFolderToCreate, security.attributes());
    }
    std::optional<fw::HeldFolder> folder = fw::HeldFolder::hold(kStagingFolder);
    if (!folder)
        throw fw::Error(texts::kCannotCreateStagingFolder);
    return std::move(*folder);
}

void removeStagedFiles(const fw::HeldFolder& folder)
{
    folder.removePlainFile(kStagedLoaderName);
    folder.removePlainFile(kCaptureBitmapName);
}

void deleteStagedFiles()
{
    if (const std::optional<fw::HeldFolder> folder = fw::HeldFolder::hold(kStagingFolder))
        removeStagedFiles(*folder);
}

}  // namespace capture
