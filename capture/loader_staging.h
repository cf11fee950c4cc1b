// Staging: writes the embedded loader tool into the staging folder, ready to run, and holds
// it so that nobody can change it until it has run.
#pragma once

#include <windows.h>

#include "framework/win/handle.h"
#include "framework/win/held_folder.h"

namespace capture {

// The staged loader, open for reading with writers and deleters refused while it lives.
class StagedLoader {
public:
    explicit StagedLoader(fw::UniqueFile held) : held_(std::move(held)) {}

private:
    fw::UniqueFile held_;
};

// Writes the loader as a new file kStagedLoader: a JavaLoader.exe in the module's own folder
// when there is one (the module is the program's own when null), else the module's resource
// "javaload" of type "JavaLoaderEXE". The file is readable by the user, SYSTEM and the Administrators
// only, after removing the plain file of that name. Throws fw::Error: "Resource javaload
// not found" (nothing written), "Cannot create file c:\temp\JavaLoader.exe" (the name is
// taken by something that is not a plain file, the file cannot be made new, or it does
// not hold the resource's bytes once written).
StagedLoader stageLoader(const fw::HeldFolder& folder, HMODULE module = nullptr);

}  // namespace capture
