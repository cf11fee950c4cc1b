// Text that must not outlive its use in memory, such as a handheld's password: wiped when it
// is cleared, replaced, moved from or destroyed.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace fw {

class SecretText {
public:
    SecretText() = default;
    explicit SecretText(std::string text) : text_(std::move(text)) {}
    SecretText(SecretText&& other) noexcept : text_(std::move(other.text_)) { other.clear(); }
    SecretText& operator=(SecretText&& other) noexcept
    {
        if (this != &other) {
            clear();
            text_ = std::move(other.text_);
            other.clear();
        }
        return *this;
    }
    SecretText(const SecretText&) = delete;
    SecretText& operator=(const SecretText&) = delete;
    ~SecretText() { clear(); }

    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    void clear()
    {
        SecureZeroMemory(text_.data(), text_.size());
        text_.clear();
    }

private:
    std::string text_;
};

}  // namespace fw
