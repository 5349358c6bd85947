// The model's user interaction of a long operation, on the shell's dialogs:
// message boxes, the progress dialog with Cancel and the selection dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "transfer_interaction.h"
#include "user_interaction.h"

namespace quillet::graphs {

class ShellInteraction final : public model::UserInteraction {
public:
    ShellInteraction(UserPrompt &prompt, QWidget *parent) : prompt_(prompt), parent_(parent) {}

    model::Answer message(const std::string &text, model::MessageIcon icon, model::MessageButtons buttons) override;
    std::unique_ptr<model::Progress> beginProgress(const std::string &text) override;
    std::optional<model::SelectionResult> select(const model::SelectionRequest &request) override;

private:
    UserPrompt &prompt_;
    QPointer<QWidget> parent_;
};

}  // namespace quillet::graphs
