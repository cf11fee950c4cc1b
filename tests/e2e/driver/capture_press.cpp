#include "tests/e2e/driver/capture_press.h"

#include "tests/e2e/driver/wait.h"

namespace e2e {

CaptureEnd pressCapture(const VistrelProcess& app, const MainWindow& window, DWORD timeoutMs)
{
    const std::string statusBefore = window.status();
    window.click(window.buttonSnap());
    CaptureEnd end;
    bool busySeen = false;
    end.ended = waitUntil(timeoutMs, [&] {
        if ((end.box = currentBox(app.id())))
            return true;
        if (!window.captureEnabled()) {
            busySeen = true;
            return false;
        }
        return busySeen || window.status() != statusBefore;
    });
    if (end.ended && !end.box) {
        // A raised error ends the handler (enabling the button) before the event loop shows
        // it. The thread handles the sent message in the box's own loop, which runs once
        // the box is shown, or in the event loop when no box comes.
        end.ended = window.settle();
        end.box = currentBox(app.id());
    }
    return end;
}

bool answerBox(const MainWindow& window, const BoxSeen& box)
{
    return pressOk(box) && window.settle();
}

}  // namespace e2e
