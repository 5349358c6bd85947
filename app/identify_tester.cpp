#include "identification_text.h"
#include "quillet_strings.h"
#include "tester_identification.h"
#include "tester_link.h"
#include "tester_text.h"
#include "torvlink.h"

namespace quillet {
void identifyTester(const TesterLinkContext &context) {
    TesterIdentification id;
    const bool read = openTesterLink(context) && readTesterIdentification(id);
    if (TorvikCommIsOpen()) TorvikCommClose();
    if (!read) {
        context.prompt.show(resourceString(ids::kAppTitle), resourceString(ids::kUnableToReadTesterInfo),
                            MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    context.prompt.show(resourceString(ids::kIdentifyingTester), cp1252ToUtf8(identificationText(id)),
                        MessageIcon::Information, MessageButtons::Ok);
}

}  // namespace quillet
