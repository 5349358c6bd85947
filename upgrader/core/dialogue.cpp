#include "dialogue.h"

namespace rivo {

BoxAnswer Dialogue::ask(BoxIcon icon, const std::string &text, BoxButtons buttons, BoxPurpose purpose) const
{
    return ui_.ask({icon, kBoxCaption, text, buttons, purpose});
}

void Dialogue::unableToUpgrade(const std::string &message) const
{
    ask(BoxIcon::Warning, message + ".\n\n" + text(kCannotUpgrade) + ". " + text(kContactResaler),
        BoxButtons::Ok, BoxPurpose::Notice);
}

bool Dialogue::retryAfter(const std::string &message) const
{
    return ask(BoxIcon::Warning, message + ".\n\n" + text(kCheckCable), BoxButtons::OkCancel,
               BoxPurpose::Retry)
        == BoxAnswer::Ok;
}

void Dialogue::trace(const std::string &message) const
{
    if (trace_ && ask(BoxIcon::None, message, BoxButtons::OkCancel, BoxPurpose::Trace) != BoxAnswer::Ok)
        throw UpgraderEnded{};
}

bool Dialogue::confirmAbort(TextId question) const
{
    return ask(BoxIcon::Question, text(question), BoxButtons::YesNo, BoxPurpose::Abort) == BoxAnswer::Yes;
}

}  // namespace rivo
