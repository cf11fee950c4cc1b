#include "loader/home_screen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "framework/win/gdi.h"
#include "framework/win/handle.h"

namespace loader {

namespace {

void fill(HDC dc, const RECT& r, COLORREF color)
{
    fw::UniqueGdiObject brush(CreateSolidBrush(color));
    FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
}

void roundBox(HDC dc, const RECT& r, int radius, COLORREF color)
{
    fw::UniqueGdiObject brush(CreateSolidBrush(color));
    fw::UniqueGdiObject pen(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    fw::SelectedObject b(dc, brush.get());
    fw::SelectedObject p(dc, pen.get());
    RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
}

fw::UniqueGdiObject font(int height, bool bold)
{
    return fw::UniqueGdiObject(CreateFontA(-std::max(height, 6), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                           FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                           NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
}

void text(HDC dc, const char* s, RECT r, int height, bool bold, COLORREF color, UINT align = DT_CENTER)
{
    fw::UniqueGdiObject f = font(height, bold);
    fw::SelectedObject sel(dc, f.get());
    SetTextColor(dc, color);
    DrawTextA(dc, s, -1, &r, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void background(HDC dc, int width, int height)
{
    for (int y = 0; y < height; ++y) {
        const int t = y * 255 / std::max(height - 1, 1);
        const RECT line{0, y, width, y + 1};
        fill(dc, line, RGB(20 - t * 12 / 255, 70 - t * 45 / 255, 130 - t * 70 / 255));
    }
}

void statusBar(HDC dc, int width, int barHeight, const SYSTEMTIME& now)
{
    fill(dc, RECT{0, 0, width, barHeight}, RGB(25, 25, 32));
    // Signal strength: four rising bars.
    const int unit = std::max(barHeight / 6, 1);
    for (int i = 0; i < 4; ++i) {
        const int h = (i + 1) * (barHeight - 2 * unit) / 4;
        fill(dc, RECT{unit + i * 2 * unit, barHeight - unit - h, unit + i * 2 * unit + unit, barHeight - unit},
             RGB(230, 230, 230));
    }
    // Battery, three quarters full.
    const int bw = barHeight * 3 / 2;
    const RECT battery{width - bw - 2 * unit, 2 * unit, width - 2 * unit, barHeight - 2 * unit};
    fill(dc, battery, RGB(230, 230, 230));
    fill(dc, RECT{battery.left + 1, battery.top + 1, battery.right - 1, battery.bottom - 1}, RGB(25, 25, 32));
    fill(dc, RECT{battery.left + 2, battery.top + 2, battery.left + 2 + (bw - 4) * 3 / 4, battery.bottom - 2},
         RGB(90, 220, 90));

    char clock[16];
    std::snprintf(clock, sizeof clock, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    text(dc, clock, RECT{0, 0, width, barHeight}, barHeight * 2 / 3, true, RGB(255, 255, 255));
}

void dateLine(HDC dc, int width, int top, int lineHeight, const SYSTEMTIME& now)
{
    static const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    static const char* const kMonths[] = {"January", "February", "March", "April", "May", "June", "July",
                                          "August", "September", "October", "November", "December"};
    char date[64];
    std::snprintf(date, sizeof date, "%s, %u %s %u", kDays[now.wDayOfWeek % 7], now.wDay,
                  kMonths[(now.wMonth + 11) % 12], now.wYear);
    text(dc, date, RECT{0, top, width, top + lineHeight}, lineHeight * 3 / 4, false, RGB(235, 235, 245));
}

void iconGrid(HDC dc, const RECT& area)
{
    struct Icon {
        const char* label;
        COLORREF color;
    };
    static const Icon kIcons[] = {
        {"Messages", RGB(60, 140, 230)}, {"Browser", RGB(240, 150, 40)}, {"Calendar", RGB(220, 60, 60)},
        {"Contacts", RGB(80, 180, 100)}, {"Camera", RGB(120, 120, 135)}, {"Media", RGB(170, 80, 200)},
        {"Maps", RGB(50, 170, 170)},     {"Options", RGB(150, 150, 90)}, {"Clock", RGB(230, 200, 60)},
        {"Tasks", RGB(90, 110, 220)},    {"Memos", RGB(200, 120, 90)},   {"Phone", RGB(40, 200, 60)},
    };
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    const int columns = areaWidth >= areaHeight ? 6 : 4;
    const int rows = std::min(12 / columns, std::max(1, areaHeight * columns / std::max(areaWidth, 1)));
    const int cellWidth = areaWidth / columns;
    const int cellHeight = areaHeight / rows;
    const int labelHeight = std::max(cellHeight / 5, 8);
    const int side = std::max(std::min(cellWidth * 2 / 3, cellHeight - labelHeight - 4), 4);

    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const Icon& icon = kIcons[(row * columns + column) % 12];
            const int cx = area.left + column * cellWidth + cellWidth / 2;
            const int top = area.top + row * cellHeight + (cellHeight - side - labelHeight) / 2;
            roundBox(dc, RECT{cx - side / 2, top, cx + side / 2, top + side}, side / 4, icon.color);
            text(dc, icon.label, RECT{cx - cellWidth / 2, top + side, cx + cellWidth / 2, top + side + labelHeight},
                 labelHeight * 4 / 5, false, RGB(255, 255, 255));
        }
    }
}

void banner(HDC dc, int width, int top, int bannerHeight)
{
    const RECT band{0, top, width, top + bannerHeight};
    fill(dc, band, RGB(255, 214, 0));
    fill(dc, RECT{0, top, width, top + std::max(bannerHeight / 12, 1)}, RGB(0, 0, 0));
    fill(dc, RECT{0, top + bannerHeight - std::max(bannerHeight / 12, 1), width, top + bannerHeight}, RGB(0, 0, 0));
    // Big enough to read, small enough to fit the narrowest screen.
    const int letter = std::min(bannerHeight * 3 / 5, width / 11);
    text(dc, "SIMULATED HANDHELD", band, letter, true, RGB(0, 0, 0));
}

}  // namespace

ScreenImage drawHomeScreen(int width, int height, const SYSTEMTIME& now)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, like ScreenImage
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::UniqueGdiObject dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    fw::MemoryDC memory(nullptr);
    if (!dib || !memory.get())
        throw std::runtime_error("cannot make the screen picture");

    {
        fw::SelectedObject sel(memory.get(), dib.get());
        const HDC dc = memory.get();
        SetBkMode(dc, TRANSPARENT);
        const int barHeight = std::max(height / 14, 12);
        const int bannerHeight = std::max(height / 9, 16);
        const int dateHeight = std::max(height / 10, 12);
        background(dc, width, height);
        statusBar(dc, width, barHeight, now);
        dateLine(dc, width, barHeight + dateHeight / 4, dateHeight, now);
        const int gridTop = barHeight + dateHeight * 3 / 2;
        const int bannerTop = height - bannerHeight - std::max(height / 30, 2);
        iconGrid(dc, RECT{0, gridTop, width, bannerTop});
        banner(dc, width, bannerTop, bannerHeight);
        GdiFlush();
    }

    ScreenImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    std::memcpy(image.pixels.data(), bits, image.pixels.size() * sizeof(std::uint32_t));
    for (auto& p : image.pixels)
        p &= 0x00FFFFFF;
    return image;
}

}  // namespace loader
