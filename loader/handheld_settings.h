// The simulated handheld, described by the environment variable VISTREL_HANDHELD: a list of
// comma-separated items (see loader/README.md).
#pragma once

#include <stdexcept>
#include <string>

namespace loader {

struct HandheldSettings {
    bool attached = true;        // "none" detaches it
    int width = 480;             // "model=<w>x<h>x<bits>"
    int height = 360;
    int bitsPerPixel = 24;       // 16 (5-6-5), 24 or 32
    std::string screenFile;      // "screen=<path>": delivered byte for byte
    unsigned delayMs = 0;        // "delay=<ms>"
    unsigned long noiseBytes = 0;  // "noise=<n>"
    bool hang = false;           // "hang"
    bool crash = false;          // "crash"
    bool password = false;       // "password" or "password=<secret>": the handheld is locked
    std::string secret;          // "password=<secret>": only this password unlocks it
    std::string recordFile;      // "record=<path>": the command line is written there
    bool helper = false;         // "helper": a helper process is left running
};

class BadSetting : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the items; an empty text is the default handheld. Throws BadSetting for an item it
// does not know or a value out of range.
HandheldSettings parseHandheldSettings(const std::string& text);

}  // namespace loader
