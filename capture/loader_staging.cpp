#include "capture/loader_staging.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/text/path_parts.h"
#include "framework/win/file_system.h"
#include "framework/win/file_io.h"
#include "framework/win/private_security.h"

namespace capture {

namespace {

constexpr std::uint64_t kLargestLoaderFile = 256ull * 1024 * 1024;

// The bytes to stage: a view of the resource, or a file's bytes read into memory.
struct ResourceBytes {
    const void* view;  // the resource's, when not owned
    DWORD size;
    std::vector<char> owned;
    const void* data() const { return owned.empty() ? view : owned.data(); }
};

// A read-only view of the resource; it lives as long as the module, nothing to release.
ResourceBytes findLoaderResource(HMODULE module)
{
    const HRSRC info = FindResourceA(module, "javaload", "JavaLoaderEXE");
    const HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw fw::errors::resourceNotFound("javaload");
    return {data, SizeofResource(module, info), {}};
}

// A JavaLoader.exe in the program's own folder (the handheld maker's, put there by the
// user) goes before the one the program carries.
std::optional<ResourceBytes> loaderBesideProgram(HMODULE module)
{
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::nullopt;
    const std::string path = fw::folderPart(self, fw::isLeadByte) + kStagedLoaderName;
    if (!fw::fileExists(path))
        return std::nullopt;
    const fw::UniqueFile file = fw::openForReading(path, FILE_SHARE_READ);
    const std::uint64_t size = fw::fileSize(file.get());
    if (size > kLargestLoaderFile)
        throw fw::errors::cannotOpenFile(path);
    ResourceBytes bytes{nullptr, static_cast<DWORD>(size), std::vector<char>(static_cast<std::size_t>(size))};
    DWORD got = 0;
    if (size > 0 && (!ReadFile(file.get(), bytes.owned.data(), bytes.size, &got, nullptr) || got != bytes.size))
        throw fw::errors::cannotOpenFile(path);
    return bytes;
}

// A file made new: never an existing file, never through a link.
void writeNewFile(const char* path, const ResourceBytes& bytes)
{
    fw::PrivateSecurity security;
    fw::UniqueFile file(CreateFileA(path, GENERIC_WRITE, 0, security.attributes(), CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
    if (!file)
        throw fw::errors::cannotCreateFile(path);
    if (!fw::writeAll(file.get(), bytes.data(), bytes.size) || !FlushFileBuffers(file.get()))
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
           std::memcmp(read.data(), bytes.data(), bytes.size) == 0;
}

}  // namespace

StagedLoader stageLoader(const fw::HeldFolder& folder, HMODULE module)
{
    std::optional<ResourceBytes> beside = loaderBesideProgram(module);
    const ResourceBytes loader = beside ? std::move(*beside) : findLoaderResource(module);
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
