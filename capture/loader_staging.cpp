#include "capture/loader_staging.h"

#include "capture/staging_paths.h"
#include "framework/error.h"
#include "framework/win/file_io.h"

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

}  // namespace

void stageLoader(HMODULE module)
{
    const ResourceBytes loader = findLoaderResource(module);

    fw::UniqueFile file(CreateFileA(kStagedLoader, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw fw::errors::cannotCreateFile(kStagedLoader);

    if (!fw::writeAll(file.get(), loader.data, loader.size))
        throw fw::errors::inOutError(GetLastError());
}

}  // namespace capture
