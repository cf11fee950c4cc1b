// Removal of what a capture leaves in the staging folder.
#pragma once

namespace capture {

// Deletes the staged loader and the capture bitmap; a file that is absent or cannot be
// deleted is passed over.
void deleteStagedFiles();

}  // namespace capture
