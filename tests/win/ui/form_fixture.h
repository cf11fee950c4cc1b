// Opens the real main window in the test process, against the test prefix's registry,
// with the process's current directory in a folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "framework/win/application.h"
#include "framework/win/file_system.h"
#include "tests/win/support/box_catcher.h"
#include "tests/win/support/store_key.h"
#include "tests/win/support/temp_folder.h"
#include "ui/formmain.h"

class FormMainTest : public ::testing::Test, private settings::WriteObserver {
protected:
    FormMainTest() : folder_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

    void SetUp() override
    {
        testing_support::removeStoreKey();
        fw::Application::instance().setTitle("Vistrel 1.2");
        SetCurrentDirectoryA(folder_.path().c_str());
    }

    void TearDown() override
    {
        form.reset();
        testing_support::removeStoreKey();
    }

    // The main window, showing its boxes to the catcher and telling the test of its store
    // writes; loaderBound: how long a capture waits for the loader.
    TForm_Main& open(std::chrono::milliseconds loaderBound = capture::kLoaderRunBound)
    {
        form = std::make_unique<TForm_Main>(FormMainServices{boxes, this, loaderBound});
        fw::Application::instance().setMainWindow(form->hwnd());
        form->show();
        testing_support::pumpMessages();
        return *form;
    }

    int writesOf(const std::string& name) const
    {
        int n = 0;
        for (const std::string& w : writes)
            n += w == name;
        return n;
    }

    static std::string stored(const std::string& name) { return testing_support::rawValue(name).bytes; }
    // REG_SZ as the program writes it: the text and one zero byte.
    static std::string sz(const std::string& text) { return text + std::string(1, '\0'); }

    const testing_support::TempFolder& folder() const { return folder_; }

    testing_support::BoxCatcher boxes;
    std::vector<std::string> writes;
    std::unique_ptr<TForm_Main> form;

private:
    void written(const std::string& name) override { writes.push_back(name); }

    testing_support::TempFolder folder_;
};

// The window's top-left corner on the screen.
inline POINT windowOrigin(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top};
}
