// The loader's exit codes. A caller may rely on 0 meaning "the screen was written"; the
// others say why not. loader/README.md lists the same table.
#pragma once

namespace loader {

enum ExitCode : int {
    kSaved = 0,              // the handheld's screen was written to the named file
    kUsage = 1,              // unknown command, option or a missing file name; usage printed
    kNoHandheld = 2,         // no handheld on the chosen connection (serial, or USB with "none")
    kCannotWrite = 3,        // the named file could not be written
    kLocked = 4,             // the handheld asked for its password and none could be read
    kBadSetting = 5,         // VISTREL_HANDHELD holds an item the simulator does not know,
                             // or the screen file it names cannot be read
    kWrongPassword = 6,      // the password given is not the handheld's
};

// "crash" ends the process the way a program that fails fast ends, without a file.
inline constexpr unsigned kCrashCode = 0xC0000409u;  // STATUS_STACK_BUFFER_OVERRUN

}  // namespace loader
