#include "framework/win/hot_key.h"

namespace fw {

HotKey::HotKey(HWND window, int id, UINT modifiers, UINT key)
    : window_(window), id_(id), registered_(RegisterHotKey(window, id, modifiers, key) != FALSE)
{
}

HotKey::~HotKey()
{
    if (registered_)
        UnregisterHotKey(window_, id_);
}

}  // namespace fw
