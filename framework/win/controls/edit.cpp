#include "framework/win/controls/edit.h"

namespace fw {

void Edit::create(HWND parent, const Placement& placement, const std::string& text, bool masked)
{
    createControl("EDIT", parent, placement, text, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (masked ? ES_PASSWORD : 0),
                  WS_EX_CLIENTEDGE);
}

void Edit::setEditText(const std::string& text)
{
    if (text != this->text())
        setText(text);  // the edit reports EN_CHANGE itself
}

std::optional<LRESULT> Edit::handleReflected(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    return fireOnCommand(message, wParam, EN_CHANGE, onChange);
}

}  // namespace fw
