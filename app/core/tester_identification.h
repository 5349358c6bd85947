// Reading what the identification shows from the open link: port, rate,
// model, serial number, revision, user and company.
#pragma once

#include "identification_text.h"

namespace quillet {

// False when the tester could not be asked; the link stays as it was.
bool readTesterIdentification(TesterIdentification &id);

}  // namespace quillet
