#include "identification_text.h"
#include "quillet_strings.h"
#include "tester_link.h"
#include "tester_text.h"
#include "torvlink.h"

namespace quillet {
namespace {

bool readIdentification(TesterIdentification &id) {
    id.portName = TorvikCommGetPort();
    id.rate = TorvikCommGetRate();
    char maker[32], model[29], serial[20], revision[5];
    if (TorvikGetId(maker, model, serial, revision) != 0) return false;
    char user[17], company[17];
    if (TorvikGetUserId(user, company) != 0) return false;
    id.model = model;
    id.serial = serial;
    id.revision = revision;
    id.user = user;
    id.company = company;
    return true;
}

}  // namespace

void identifyTester(const TesterLinkContext &context) {
    TesterIdentification id;
    const bool read = openTesterLink(context) && readIdentification(id);
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
