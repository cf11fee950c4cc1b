// The texts of the program's windows (code page 936 in the program).
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
    const char* checkBoxClipboard;
    const char* checkBoxPng;
    const char* buttonOpenFolder;
    const char* copied;          // after the saved path, when the picture went to the clipboard
    const char* hotKeyTaken;     // the status line when another program holds the capture key
    const char* cannotOpenFolder;  // followed by the folder
    const char* cannotOpenFile;    // followed by the file
};

extern const FormMainTexts kTexts;

struct PasswordDialogTexts {
    const char* locked;         // the handheld is locked, enter its password
    const char* wrongPassword;  // wrong password, enter it again
    const char* ok;
    const char* cancel;
};

extern const PasswordDialogTexts kPasswordTexts;

}  // namespace ui
