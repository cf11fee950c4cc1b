// How the program speaks to the user: a message box for what it reports itself, an error box
// for a raised error. Forms take the boxes they show through, so that tests can see them.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class Boxes {
public:
    // The text, one OK button, no icon.
    virtual void message(const std::string& text) = 0;
    // A raised error's message: stop icon, one OK button, errorBoxText(message).
    virtual void error(const std::string& message) = 0;

protected:
    ~Boxes() = default;  // never owned through this interface
};

// The boxes Windows shows: the application's title as caption, owned by the application's
// main window while it is visible, so that they are modal to it.
class MessageBoxes : public Boxes {
public:
    void message(const std::string& text) override;
    void error(const std::string& message) override;

protected:
    virtual void show(const std::string& caption, const std::string& text, UINT style);
};

// The text the error box shows for a message: a full stop is appended when the message's
// last character sorts after ".".
std::string errorBoxText(const std::string& message);

// The message of the error being handled in the calling catch block: a framework error's
// own; empty for anything else.
std::string currentErrorMessage();

}  // namespace fw
