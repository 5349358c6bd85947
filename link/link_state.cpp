#include "link_state.h"

#include <chrono>
#include <thread>

#include "platform_ui.h"
#include "torvlink.h"

namespace torvlink {

LinkState &link() {
    static LinkState state;
    return state;
}

int32_t portFailure(int error) {
    link().lastSystemError = error;
    return TORVIK_ERR_PORT;
}

void waitMs(uint32_t ms) {
    BusyCursor busy;
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Closes a link still open when the library is unloaded, so the tester is
// returned to local operation.
namespace {
struct CloseAtUnload {
    // Touching the state first makes it outlive this object.
    CloseAtUnload() { (void)link(); }
    ~CloseAtUnload() {
        if (linkIsOpen()) TorvikCommClose();
    }
} gCloseAtUnload;
}  // namespace

}  // namespace torvlink
