// The library's version record: its file name and revision, compiled in.
#include <dlfcn.h>

#include "text_copy.h"
#include "torvlink.h"

namespace torvlink {
namespace {

struct VersionRecord {
    const char *originalFilename;
    const char *productVersion;
};

constexpr VersionRecord kVersion = {"libtorvlink.so", "D.05"};

}  // namespace
}  // namespace torvlink

extern "C" {

void *TorvlinkGetDllInstance(void) {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&TorvlinkGetDllInstance), &info) == 0 || !info.dli_fname)
        return nullptr;
    // RTLD_NOLOAD hands back the handle of the copy already loaded.
    void *handle = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (handle) dlclose(handle);  // keep the reference count as it was
    return handle;
}

char *TorvlinkGetDllName(char *buffer, int32_t size) {
    torvlink::copyText(buffer, size, torvlink::kVersion.originalFilename);
    return buffer;
}

char *TorvlinkGetDllRev(char *buffer, int32_t size) {
    torvlink::copyText(buffer, size, torvlink::kVersion.productVersion);
    return buffer;
}

}  // extern "C"
