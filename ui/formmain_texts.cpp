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
    .checkBoxClipboard = "抓图后复制到剪贴板",
    .checkBoxPng = "保存为 PNG（无损）",
    .buttonOpenFolder = "打开文件夹",
    .copied = "（已复制）",
    .hotKeyTaken = "抓图热键 Ctrl+Alt+H 已被其他程序占用",
    .cannotOpenFolder = "无法打开文件夹 ",
    .cannotOpenFile = "无法打开文件 ",
};

extern const PasswordDialogTexts kPasswordTexts{
    .locked = "手持设备已锁定，请输入密码：",
    .wrongPassword = "密码不正确，请重新输入：",
    .ok = "确定",
    .cancel = "取消",
};

}  // namespace ui
