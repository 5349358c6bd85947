#include "tester_identification.h"

#include "torvlink.h"

namespace quillet {

bool readTesterIdentification(TesterIdentification &id) {
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

}  // namespace quillet
