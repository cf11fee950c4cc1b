#include "framework/win/controls/edit.h"

namespace fw {

void Edit::create(HWND parent, const std::string& text, const Bounds& bounds, HFONT font)
{
    Control::create(parent, "EDIT", text, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                    bounds, font);
}

void Edit::setEditText(const std::string& text)
{
    if (text != this->text())
        setText(text);  // the edit reports EN_CHANGE itself
}

void Edit::handleCommand(WORD notification)
{
    if (notification == EN_CHANGE && onChange)
        onChange();
}

}  // namespace fw
