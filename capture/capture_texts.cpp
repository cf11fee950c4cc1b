#include "capture/capture_texts.h"

namespace capture::texts {

extern const char kCannotCreateStagingFolder[] = "Cannot create c:\\temp directory.";
extern const char kNoBitmap[] = "不能抓图，也许 usb 线没连接好！";
extern const char kLoaderTimedOut[] = "抓图超时，手持设备没有响应！";
extern const char kCannotCreatePipe[] = "Error On CreatePipe()";
extern const char kCannotStartLoader[] = "Error on CreateProcess()";

}  // namespace capture::texts
