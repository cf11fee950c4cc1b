// Security for what the program makes in a folder that other users can write to: only the
// current user, SYSTEM and the Administrators have access, and nothing is inherited from
// the folder above.
#pragma once

#include <windows.h>

#include <memory>

namespace fw {

class PrivateSecurity {
public:
    // Raises errors::inOutError when Windows cannot make the descriptor.
    PrivateSecurity();
    // For CreateFile and CreateDirectory; not inheritable.
    SECURITY_ATTRIBUTES* attributes() { return &attributes_; }

private:
    struct LocalFreeDeleter {
        void operator()(void* memory) const { LocalFree(memory); }
    };
    std::unique_ptr<void, LocalFreeDeleter> descriptor_;
    SECURITY_ATTRIBUTES attributes_{};
};

}  // namespace fw
