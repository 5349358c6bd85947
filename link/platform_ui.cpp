#include "platform_ui.h"

#include <cstdio>

#include "oem_ansi.h"
#include "torvlink.h"

namespace torvlink {
namespace {

TorvlinkMessageHandler gMessageHandler = nullptr;
void *gMessageUser = nullptr;
TorvlinkBusyHandler gBusyHandler = nullptr;
void *gBusyUser = nullptr;
int gBusyDepth = 0;

}  // namespace

int32_t showMessage(const std::string &caption, const std::string &text, int32_t icon) {
    if (gMessageHandler) return gMessageHandler(gMessageUser, caption.c_str(), text.c_str(), icon);
    std::fprintf(stderr, "%s: %s\n", ansiToUtf8(caption).c_str(), ansiToUtf8(text).c_str());
    return 1;
}

BusyCursor::BusyCursor() {
    if (gBusyDepth++ == 0 && gBusyHandler) gBusyHandler(gBusyUser, 1);
}

BusyCursor::~BusyCursor() {
    if (--gBusyDepth == 0 && gBusyHandler) gBusyHandler(gBusyUser, 0);
}

}  // namespace torvlink

extern "C" {

int32_t TorvlinkSetMessageHandler(TorvlinkMessageHandler fn, void *user) {
    torvlink::gMessageHandler = fn;
    torvlink::gMessageUser = user;
    return 0;
}

void TorvlinkSetBusyHandler(TorvlinkBusyHandler fn, void *user) {
    torvlink::gBusyHandler = fn;
    torvlink::gBusyUser = user;
}

}  // extern "C"
