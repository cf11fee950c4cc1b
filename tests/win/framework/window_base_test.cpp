// The window base: an object sees its window's whole life and lets go of the handle at its
// end; a parent passes its children's notifications back to them; creation failures are
// raised.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/error.h"
#include "framework/win/form.h"

namespace {

class SilentBoxes : public fw::Boxes {
public:
    void message(const std::string& text) override { shown.push_back(text); }
    void error(const std::string& message) override { shown.push_back(message); }
    std::vector<std::string> shown;
};

class ProbeForm : public fw::Form {
public:
    explicit ProbeForm(fw::Boxes& boxes) : fw::Form(boxes)
    {
        createForm({"VistrelProbeForm", "probe", 0, 0, 300, 200, "MS Sans Serif", -11});
    }
};

// Records every message its window receives, and the notifications passed back to it.
class ProbeControl : public fw::Window {
public:
    void createNative(HWND parent, const char* className, DWORD style)
    {
        createControl(className, parent, {kId, {10, 10, 100, 100}}, "", WS_VISIBLE | style, 0);
    }
    void createOwnKind(HWND parent) { createOwnChild({"VistrelProbe", nullptr}, parent, {kId, {10, 10, 100, 100}}, 0); }

    std::optional<LRESULT> handleReflected(UINT message, WPARAM, LPARAM lParam) override
    {
        reflected.push_back(message);
        if (message != WM_MEASUREITEM)
            return std::nullopt;
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 23;
        return TRUE;
    }

    bool saw(UINT message) const { return std::find(seen.begin(), seen.end(), message) != seen.end(); }

    static constexpr int kId = 42;
    std::vector<UINT> seen;
    std::vector<UINT> reflected;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        return fw::Window::handleMessage(message, wParam, lParam);
    }
};

class WindowBase : public ::testing::Test {
protected:
    SilentBoxes boxes;
    ProbeForm form{boxes};
};

TEST_F(WindowBase, AnObjectSeesItsWindowToTheEndAndThenHoldsNoHandle)
{
    for (const bool native : {true, false}) {
        SCOPED_TRACE(native ? "native control" : "class of our own");
        ProbeControl probe;
        native ? probe.createNative(form.hwnd(), "BUTTON", BS_PUSHBUTTON) : probe.createOwnKind(form.hwnd());
        const HWND handle = probe.hwnd();
        ASSERT_TRUE(IsWindow(handle));
        EXPECT_EQ(fw::Window::fromHandle(handle), &probe);
        EXPECT_EQ(GetDlgItem(form.hwnd(), ProbeControl::kId), handle);
        if (!native)
            EXPECT_EQ(probe.seen.front(), static_cast<UINT>(WM_NCCREATE));

        DestroyWindow(handle);
        ASSERT_FALSE(probe.seen.empty());
        EXPECT_EQ(probe.seen.back(), static_cast<UINT>(WM_NCDESTROY));
        EXPECT_EQ(probe.hwnd(), nullptr);
        EXPECT_EQ(fw::Window::fromHandle(handle), nullptr);
    }
}

TEST_F(WindowBase, ChildrenDestroyedWithTheirParentLetGoOfTheirHandles)
{
    auto parent = std::make_unique<ProbeForm>(boxes);
    ProbeControl probe;
    probe.createNative(parent->hwnd(), "EDIT", 0);
    parent.reset();  // destroys the child window before the child object
    EXPECT_TRUE(probe.saw(WM_NCDESTROY));
    EXPECT_EQ(probe.hwnd(), nullptr);
}

TEST_F(WindowBase, TheParentPassesNotificationsBackIncludingThoseSentWhileTheControlIsMade)
{
    ProbeControl list;
    // An owner-drawn list asks its parent for its item height from inside CreateWindowEx.
    list.createNative(form.hwnd(), "LISTBOX", LBS_OWNERDRAWFIXED | LBS_NOTIFY);
    EXPECT_EQ(list.reflected.front(), static_cast<UINT>(WM_MEASUREITEM));
    EXPECT_EQ(SendMessageA(list.hwnd(), LB_GETITEMHEIGHT, 0, 0), 23);

    SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(ProbeControl::kId, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list.hwnd()));
    EXPECT_EQ(list.reflected.back(), static_cast<UINT>(WM_COMMAND));
}

TEST_F(WindowBase, AControlOfAClassWindowsDoesNotKnowIsRaised)
{
    ProbeControl probe;
    try {
        probe.createNative(form.hwnd(), "VistrelNoSuchClass", 0);
        ADD_FAILURE() << "made a window of an unknown class";
    } catch (const fw::Error& e) {
        EXPECT_EQ(e.message(), "Cannot create window VistrelNoSuchClass");
    }
    EXPECT_EQ(probe.hwnd(), nullptr);
}

}  // namespace
