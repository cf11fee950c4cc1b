// The framework's one error type and the texts of the errors it raises.
// Messages are 8-bit text in the system code page.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace fw {

class Error : public std::exception {
public:
    explicit Error(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};

// Each framework message is formatted here and nowhere else.
namespace errors {
Error cannotCreateFile(const std::string& path);   // "Cannot create file %s"
Error cannotOpenFile(const std::string& path);     // "Cannot open file %s"
Error invalidBitmap();                             // "Bitmap image is not valid"
Error resourceNotFound(const std::string& name);   // "Resource %s not found"
Error failedToSetData(const std::string& name);    // "Failed to set data for '%s'"
Error invalidDataType(const std::string& name);    // "Invalid data type for '%s'"
Error notValidInteger(const std::string& text);    // "'%s' is not a valid integer value"
Error jpegError(int messageCode);                  // "JPEG error #%d"
Error pngError(const std::string& message);        // "PNG error: %s"
Error cannotDeleteFile(const std::string& path);   // "Cannot delete file %s"
Error cannotRegisterClass(const std::string& name);  // "Cannot register window class %s"
Error cannotCreateWindow(const std::string& kind);   // "Cannot create window %s"
Error cannotCreateFont(const std::string& face);     // "Cannot create font %s"
// Input/output error for a Windows error code: "File not found", "Invalid filename", ...
Error inOutError(std::uint32_t windowsErrorCode);
}  // namespace errors

}  // namespace fw
