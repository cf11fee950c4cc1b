#include "capture/staged_files.h"

#include <windows.h>

#include "capture/staging_paths.h"

namespace capture {

void deleteStagedFiles()
{
    DeleteFileA(kStagedLoader);
    DeleteFileA(kCaptureBitmap);
}

}  // namespace capture
