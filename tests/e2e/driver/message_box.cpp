#include "tests/e2e/driver/message_box.h"

#include "tests/e2e/driver/wait.h"
#include "tests/e2e/driver/window_search.h"

namespace e2e {
namespace {

constexpr char kDialogClass[] = "#32770";
constexpr int kTextId = 0xFFFF;  // the box's text, a static control
constexpr int kIconId = 0x0440;  // the box's icon, a static control holding it when there is one

bool showsIcon(HWND box)
{
    const HWND icon = GetDlgItem(box, kIconId);
    if (!icon || !IsWindowVisible(icon))
        return false;
    DWORD_PTR handle = 0;
    SendMessageTimeoutA(icon, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &handle);
    return handle != 0;
}

}  // namespace

std::optional<BoxSeen> currentBox(DWORD processId)
{
    const HWND window = findTopLevelWindow(processId, kDialogClass);
    if (!window)
        return std::nullopt;
    BoxSeen box;
    box.window = window;
    box.caption = controlText(window);
    if (const HWND text = GetDlgItem(window, kTextId))
        box.text = controlText(text);
    box.stopIcon = showsIcon(window);
    return box;
}

std::optional<BoxSeen> waitForBox(DWORD processId, DWORD timeoutMs)
{
    std::optional<BoxSeen> box;
    waitUntil(timeoutMs, [&] { return (box = currentBox(processId)).has_value(); });
    return box;
}

bool pressOk(const BoxSeen& box, DWORD timeoutMs)
{
    const HWND ok = GetDlgItem(box.window, IDOK);
    if (!ok)
        return false;
    PostMessageA(ok, BM_CLICK, 0, 0);
    return waitUntil(timeoutMs, [&] { return !IsWindow(box.window); });
}

}  // namespace e2e
