#include "tests/e2e/vistrel_case.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/win/support/store_key.h"
#include "tests/win/support/temp_folder.h"

void VistrelCase::cleanSlate()
{
    testing_support::removeStoreKey();
    testing_support::removeTree(kStagingFolder);
    DeleteFileA(kStagingFolder);  // a case may leave it as a plain file
    testing_support::removeTree(kShots);
}

void VistrelCase::freshSlate()
{
    cleanSlate();
    CreateDirectoryA(kShots, nullptr);
}

void VistrelCase::SetUp()
{
    freshSlate();
}

void VistrelCase::TearDown()
{
    window.reset();
    app.reset();
    cleanSlate();
}

e2e::MainWindow& VistrelCase::start(const e2e::LaunchOptions& options)
{
    window.reset();
    app.reset();
    app = std::make_unique<e2e::VistrelProcess>(options.program.empty() ? VISTREL_EXE : options.program, options);
    window = std::make_unique<e2e::MainWindow>(app->mainWindow());
    return *window;
}

void VistrelCase::close()
{
    ASSERT_TRUE(app->close()) << "Vistrel.exe did not end after WM_CLOSE";
    window.reset();
    app.reset();
}

std::string VistrelCase::stored(const std::string& name)
{
    const testing_support::RawValue value = testing_support::rawValue(name);
    if (value.type == REG_NONE)
        return "(missing)";
    std::string text = value.bytes;
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

void VistrelCase::store(const std::string& name, const std::string& text)
{
    testing_support::plantValue(name, REG_SZ, text + std::string(1, '\0'));
}

std::string folderListing(const std::string& folder)
{
    std::string listing;
    for (const std::string& name : testing_support::namesIn(folder))
        listing += (listing.empty() ? "" : " ") + name;
    return listing;
}

std::string smallBitmapFile()
{
    constexpr int kSide = 8;
    constexpr std::uint32_t kStride = kSide * 3;  // already a multiple of four
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = kSide;
    info.biHeight = kSide;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = kStride * kSide;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    bytes.append(info.biSizeImage, '\x40');  // a dark grey
    return bytes;
}
