#include "framework/win/controls/memo.h"

namespace fw {

void Memo::create(HWND parent, const Placement& placement, bool visible)
{
    createControl("EDIT", parent, placement, "",
                  (visible ? WS_VISIBLE : 0) | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                  WS_EX_CLIENTEDGE);
    // The default limit of an edit is about 32 KB; a loader may say more.
    SendMessageA(hwnd(), EM_SETLIMITTEXT, 0, 0);
}

void Memo::appendEntry(const std::string& text)
{
    const int end = GetWindowTextLengthA(hwnd());
    SendMessageA(hwnd(), EM_SETSEL, end, end);
    const std::string entry = text + "\r\n";
    SendMessageA(hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(entry.c_str()));
    UpdateWindow(hwnd());
}

}  // namespace fw
