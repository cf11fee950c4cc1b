#include "framework/error.h"

namespace fw::errors {

Error cannotCreateFile(const std::string& path) { return Error("Cannot create file " + path); }
Error cannotOpenFile(const std::string& path) { return Error("Cannot open file " + path); }
Error invalidBitmap() { return Error("Bitmap image is not valid"); }
Error resourceNotFound(const std::string& name) { return Error("Resource " + name + " not found"); }
Error failedToSetData(const std::string& name) { return Error("Failed to set data for '" + name + "'"); }
Error invalidDataType(const std::string& name) { return Error("Invalid data type for '" + name + "'"); }
Error notValidInteger(const std::string& text) { return Error("'" + text + "' is not a valid integer value"); }
Error jpegError(int messageCode) { return Error("JPEG error #" + std::to_string(messageCode)); }
Error pngError(const std::string& message) { return Error("PNG error: " + message); }
Error cannotDeleteFile(const std::string& path) { return Error("Cannot delete file " + path); }
Error cannotRegisterClass(const std::string& name) { return Error("Cannot register window class " + name); }
Error cannotCreateWindow(const std::string& kind) { return Error("Cannot create window " + kind); }
Error cannotCreateFont(const std::string& face) { return Error("Cannot create font " + face); }

Error inOutError(std::uint32_t code)
{
    switch (code) {
    case 2: return Error("File not found");          // ERROR_FILE_NOT_FOUND
    case 3: return Error("Invalid filename");        // ERROR_PATH_NOT_FOUND
    case 4: return Error("Too many open files");     // ERROR_TOO_MANY_OPEN_FILES
    case 5: return Error("File access denied");      // ERROR_ACCESS_DENIED
    case 123: return Error("Invalid filename");      // ERROR_INVALID_NAME
    default: return Error("I/O error " + std::to_string(code));
    }
}

}  // namespace fw::errors
