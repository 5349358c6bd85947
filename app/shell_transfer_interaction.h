// The model's user interaction in the desktop program, for every document
// that talks to the tester: message boxes through the program's prompt, the
// progress dialog with its Cancel, and the transfer selection dialogs
// (sites, graphs, standards, limits). The model speaks Windows-1252; the
// windows UTF-8.
#pragma once

#include <QPointer>
#include <QWidget>

#include "select_dlg.h"
#include "transfer_interaction.h"
#include "user_interaction.h"

namespace quillet {

class ShellTransferInteraction final : public model::UserInteraction {
public:
    // `chooser` null: the selection dialogs on screen.
    ShellTransferInteraction(UserPrompt &prompt, SelectionChooser *chooser, QWidget *owner);

    model::Answer message(const std::string &text, model::MessageIcon icon, model::MessageButtons buttons) override;
    std::unique_ptr<model::Progress> beginProgress(const std::string &text) override;
    std::optional<model::SelectionResult> select(const model::SelectionRequest &request) override;

private:
    UserPrompt &prompt_;
    SelectionChooser *chooser_;
    QPointer<QWidget> owner_;
};

}  // namespace quillet
