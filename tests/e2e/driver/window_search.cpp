#include "tests/e2e/driver/window_search.h"

namespace e2e {

std::string className(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

namespace {

struct Search {
    DWORD processId;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK considerWindow(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window) || className(window) != search.windowClass)
        return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

HWND findTopLevelWindow(DWORD processId, const char* windowClass)
{
    Search search{processId, windowClass, nullptr};
    EnumWindows(considerWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> childrenOf(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string controlText(HWND control)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length))
        return "(no answer)";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 5000,
                        &copied);
    text.resize(copied);
    return text;
}

POINT positionInParent(HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    POINT p{r.left, r.top};
    ScreenToClient(GetParent(child), &p);
    return p;
}

}  // namespace e2e
