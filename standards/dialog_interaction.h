// The user interaction of the model's long operations through the shell's
// dialogs: message boxes, the progress dialog with Cancel and the transfer
// selection dialogs. Texts arrive in Windows-1252 and are shown decoded.
#pragma once

#include "transfer_interaction.h"
#include "user_interaction.h"

class QWidget;

namespace quillet {

class DialogInteraction final : public model::UserInteraction {
public:
    DialogInteraction(UserPrompt &prompt, QWidget *parent) : prompt_(prompt), parent_(parent) {}

    model::Answer message(const std::string &text, model::MessageIcon icon, model::MessageButtons buttons) override;
    std::unique_ptr<model::Progress> beginProgress(const std::string &text) override;
    std::optional<model::SelectionResult> select(const model::SelectionRequest &request) override;

private:
    UserPrompt &prompt_;
    QWidget *parent_;
};

}  // namespace quillet
