// embedded_loader <file>: exits with 0 when the program's javaload resource holds exactly the
// bytes of <file>, with 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const HRSRC info = FindResourceA(nullptr, "javaload", "JavaLoaderEXE");
    const HGLOBAL loaded = info ? LoadResource(nullptr, info) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    std::ifstream in(argv[1], std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!data || !in.is_open()) {
        std::puts("resource or file missing");
        return 1;
    }
    const DWORD size = SizeofResource(nullptr, info);
    const bool same = size == expected.size() && std::memcmp(data, expected.data(), size) == 0;
    std::printf("resource %lu bytes, file %u bytes: %s\n", size, static_cast<unsigned>(expected.size()),
                same ? "same" : "different");
    return same ? 0 : 1;
}
