// The staging folder, which every user of the machine may write to: used only when it is a
// real folder, and held for the length of a capture.
#pragma once

#include "framework/win/held_folder.h"

namespace capture {

// Holds c:\temp, making it first when it is missing, with access for the user, SYSTEM and
// the Administrators only (an existing folder is not changed). Raises "Cannot create
// c:\temp directory." when it cannot be made, or is a link, a junction or a file.
fw::HeldFolder holdStagingFolder();

// Removes the staged loader and the capture bitmap where they are plain files of the real
// staging folder; anything else is passed over. Never raises.
void removeStagedFiles(const fw::HeldFolder& folder);

// The same for the close of the window: nothing when c:\temp is missing or not a real folder.
void deleteStagedFiles();

}  // namespace capture
