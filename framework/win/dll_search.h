// Where the program looks for the DLLs it loads.
#pragma once

namespace fw {

// From now on the program loads DLLs from System32 only, never from its own folder or the
// current directory, where Windows offers that (Windows 8, and 7 with its update); elsewhere
// nothing changes.
void limitDllSearchToSystem32();

}  // namespace fw
