// Staging: writes the embedded loader tool to the staging folder, ready to run.
#pragma once

#include <windows.h>

namespace capture {

// Writes resource "javaload" of type "JavaLoaderEXE" from the module (the program's own when
// null) to kStagedLoader, whole, replacing what is there. Throws fw::Error: "Resource
// javaload not found" (nothing written), "Cannot create file c:\temp\JavaLoader.exe" (an
// older staged loader is left as it was).
void stageLoader(HMODULE module = nullptr);

}  // namespace capture
