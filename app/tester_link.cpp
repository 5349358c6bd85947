#include "tester_link.h"

#include "comm_setup.h"
#include "quillet_strings.h"
#include "torvlink.h"
#include "version_check.h"

namespace quillet {
namespace {

std::string caption() {
    return resourceString(ids::kAppTitle);
}

int32_t openWith(const CommParams &p) {
    return TorvikCommOpen(p.port, p.rate, p.parity, p.dataBits, p.stopBits, p.handshake);
}

// Until the link opens: ask whether to change the port, then offer it.
bool openRetrying(const TesterLinkContext &context, CommParams &params) {
    while (openWith(params) != 0) {
        const MessageResult again = context.prompt.show(caption(), resourceString(ids::kUnableToCommunicate),
                                                        MessageIcon::Question, MessageButtons::YesNo);
        if (again != MessageResult::Yes) return false;
        const std::optional<int> port = context.choosePort ? context.choosePort(params.port) : std::nullopt;
        if (!port) return false;
        params.port = *port;
    }
    return true;
}

// The tester tells the oldest program versions that read all its data; an
// older program may go on with what it understands.
bool acceptTesterVersion(const TesterLinkContext &context) {
    char releaseMinimum[5] = "A.00";
    char testMinimum[5] = "Z.00";
    TorvikGetQuilletMinVer(releaseMinimum, testMinimum);
    if (isRecentEnough(context.ownVersion, releaseMinimum, testMinimum)) return true;
    const std::string text = std::string(resourceString(ids::kNewerVersionNeeded)) + " (" + releaseMinimum + ")";
    if (context.prompt.show(caption(), text, MessageIcon::Exclamation, MessageButtons::OkCancel) ==
        MessageResult::Ok)
        return true;
    TorvikCommClose();
    return false;
}

}  // namespace

bool openTesterLink(const TesterLinkContext &context) {
    if (TorvikCommIsOpen()) return true;
    CommParams params = readCommParameters();
    if (!openRetrying(context, params)) return false;
    writeCommParameters(params);
    return acceptTesterVersion(context);
}

}  // namespace quillet
