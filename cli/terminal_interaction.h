// The user interaction of the model's long operations on a terminal:
// messages on stderr, progress on stderr when it is a terminal, Ctrl-C as
// Cancel (the operation keeps what it finished; a second Ctrl-C ends the
// program at once), yes/no questions asked on
// the terminal or answered by the command's policy.
#pragma once

#include "transfer_interaction.h"

namespace quillet::cli {

using model::Answer;
using model::MessageButtons;
using model::MessageIcon;
using model::Progress;
using model::SelectionRequest;
using model::SelectionResult;

class TerminalInteraction final : public model::UserInteraction {
public:
    // The answer to yes/no questions when no terminal can be asked.
    explicit TerminalInteraction(Answer unattendedAnswer = Answer::Yes);
    ~TerminalInteraction() override;

    Answer message(const std::string &text, MessageIcon icon, MessageButtons buttons) override;
    std::unique_ptr<Progress> beginProgress(const std::string &text) override;
    std::optional<SelectionResult> select(const SelectionRequest &request) override;
    bool cancelRequested() override;

    // Whether Ctrl-C was pressed during the operation.
    static bool interrupted();

private:
    Answer unattended_;
};

}  // namespace quillet::cli
