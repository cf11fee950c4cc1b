// One press of 立即抓图 from outside, followed to its end.
#pragma once

#include <optional>

#include "tests/e2e/driver/main_window.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/vistrel_process.h"

namespace e2e {

struct CaptureEnd {
    bool ended = false;           // the capture ended, or showed a box, in time
    std::optional<BoxSeen> box;   // the box it shows, still open
};

// Clicks ButtonSnap and waits until the capture shows a box, or has been busy (the button
// disabled, or Label2 changed) and is done (the button enabled again and the thread back in
// its event loop, or in a box it shows after the button came back).
CaptureEnd pressCapture(const VistrelProcess& app, const MainWindow& window, DWORD timeoutMs = 20000);

// Waits for the capture that showed the box to end after its OK.
bool answerBox(const MainWindow& window, const BoxSeen& box);

}  // namespace e2e
