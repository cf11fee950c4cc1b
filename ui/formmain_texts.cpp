#include "ui/formmain_texts.h"

namespace ui::texts {

extern const char kCaption[] = "BlackBerry屏幕抓图工具-TOVEKA专用版";
extern const char kLabel1[] = "设置抓取图片文件名          ";
extern const char kDefaultPrefix[] = "hhshot";
extern const char kButtonDesktop[] = "抓图存到桌面";
extern const char kButtonSnap[] = "立即抓图";
extern const char kCredit[] = "Vistrel 1.2：抓图后，这里显示图片的保存位置";
extern const char kNoDesktopFolder[] = "无法取得桌面文件夹的位置！";

}  // namespace ui::texts
