#include "ui/formmain_texts.h"

namespace ui {

extern const FormMainTexts kTexts{
    .caption = "BlackBerry屏幕抓图工具-TOVEKA专用版",
    .label1 = "设置抓取图片文件名          ",
    .defaultPrefix = "hhshot",
    .buttonDesktop = "抓图存到桌面",
    .buttonSnap = "立即抓图",
    .credit = "Vistrel 1.2：抓图后，这里显示图片的保存位置",
    .noDesktopFolder = "无法取得桌面文件夹的位置！",
};

}  // namespace ui
