// What the capture tells the user (code page 936 in the program).
#pragma once

namespace capture::texts {

extern const char kCannotCreateStagingFolder[];
extern const char kNoBitmap[];
extern const char kLoaderTimedOut[];
extern const char kCannotCreatePipe[];
extern const char kCannotStartLoader[];

}  // namespace capture::texts
