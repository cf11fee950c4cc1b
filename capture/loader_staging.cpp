#include "capture/loader_staging.h"

#include <cstring>
#include <vector>

#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/win/file_io.h"
#include "framework/win/private_security.h"

namespace capture {

namespace {

struct ResourceBytes {
    const void* data;
    DWORD size;
};

// A read-only view of the resource; it lives as long as the module, nothing to release.
ResourceBytes findLoaderResource(HMODULE module)
{
    const HRSRC info = FindResourceA(module, "javaload", "JavaLoaderEXE");
    const HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw fw::errors::resourceNotFound("javaload");
    return {data, SizeofResource(module, info)};
}

// A file made new: never an existing file, never through a link.
void writeNewFile(const char* path, const ResourceBytes& bytes)
{
    fw::PrivateSecurity security;
    fw::UniqueFile file(CreateFileA(path, GENERIC_WRITE, 0, security.attributes(), CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
    if (!file)
        throw fw::errors::cannotCreateFile(path);
    if (!fw::writeAll(file.get(), bytes.data, bytes.size) || !FlushFileBuffers(file.get()))
        throw fw::errors::inOutError(GetLastError());
}

bool holds(HANDLE file, const ResourceBytes& bytes)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart != bytes.size)
        return false;
    std::vector<char> read(bytes.size);
    DWORD got = 0;
    return ReadFile(file, read.data(), bytes.size, &got, nullptr) && got == bytes.size &&
           std::memcmp(read.data(), bytes.data, bytes.size) == 0;
}

}  // namespace

StagedLoader stageLoader(const fw::HeldFolder& folder, HMODULE module)
{
    const ResourceBytes loader = findLoaderResource(module);
    if (!folder.removePlainFile(kStagedLoaderName))
        throw fw::errors::cannotCreateFile(kStagedLoader);
    writeNewFile(kStagedLoader, loader);

    // Held from here until it has run: others may read it (Windows, to start it), nobody
    // may write, rename or delete it.
    fw::UniqueFile held = folder.openPlainFile(kStagedLoaderName, GENERIC_READ, FILE_SHARE_READ, true);
    if (!held || !holds(held.get(), loader))
        throw fw::errors::cannotCreateFile(kStagedLoader);
    return StagedLoader(std::move(held));
}

}  // namespace capture
