// The main window's own texts (code page 936 in the program).
#pragma once

namespace ui {

struct FormMainTexts {
    const char* caption;
    const char* label1;         // the prompt above the prefix
    const char* defaultPrefix;
    const char* buttonDesktop;
    const char* buttonSnap;
    const char* credit;         // the status line until the first capture
    const char* noDesktopFolder;
};

extern const FormMainTexts kTexts;

}  // namespace ui
