// The main window's own texts (code page 936 in the program).
#pragma once

namespace ui::texts {

extern const char kCaption[];
extern const char kLabel1[];
extern const char kDefaultPrefix[];
extern const char kButtonDesktop[];
extern const char kButtonSnap[];
extern const char kCredit[];
extern const char kNoDesktopFolder[];

}  // namespace ui::texts
