#include "shell_transfer_interaction.h"

#include "cp1252.h"
#include "message_prompt.h"
#include "progress_dlg.h"
#include "select_dlg.h"
#include "tester_text.h"

namespace quillet {
namespace {

MessageIcon shellIcon(model::MessageIcon icon) {
    switch (icon) {
    case model::MessageIcon::Information: return MessageIcon::Information;
    case model::MessageIcon::Question: return MessageIcon::Question;
    case model::MessageIcon::Exclamation: return MessageIcon::Exclamation;
    default: return MessageIcon::None;
    }
}

MessageButtons shellButtons(model::MessageButtons buttons) {
    switch (buttons) {
    case model::MessageButtons::OkCancel: return MessageButtons::OkCancel;
    case model::MessageButtons::YesNo: return MessageButtons::YesNo;
    case model::MessageButtons::YesNoCancel: return MessageButtons::YesNoCancel;
    default: return MessageButtons::Ok;
    }
}

model::Answer modelAnswer(MessageResult result) {
    switch (result) {
    case MessageResult::Ok: return model::Answer::Ok;
    case MessageResult::Yes: return model::Answer::Yes;
    case MessageResult::No: return model::Answer::No;
    default: return model::Answer::Cancel;
    }
}

SelectionKind kindOfDialog(int dialogId) {
    switch (dialogId) {
    case 106: return SelectionKind::Norms;
    case 114: return SelectionKind::Graphs;
    case 107: return SelectionKind::Limits;
    default: return SelectionKind::Sites;
    }
}

// The offered line of each chosen text (the lines begin with their own
// number, so each text is one line).
std::vector<std::size_t> indexesOf(const std::vector<std::string> &chosen, const std::vector<std::string> &offered) {
    std::vector<std::size_t> indexes;
    for (const std::string &text : chosen) {
        for (std::size_t i = 0; i < offered.size(); ++i) {
            if (offered[i] == text) {
                indexes.push_back(i);
                break;
            }
        }
    }
    return indexes;
}

class ProgressOnScreen final : public model::Progress {
public:
    ProgressOnScreen(QWidget *owner, const std::string &text) : dialog_(owner) {
        dialog_.setMessage(fromCp1252(text));
    }
    void setText(const std::string &text) override { dialog_.setMessage(fromCp1252(text)); }
    void setRange(int lower, int upper) override { dialog_.setRange(lower, upper); }
    void setStep(int step) override { dialog_.setStep(step); }
    void step() override { dialog_.step(); }
    bool cancelled() override { return dialog_.cancelled(); }

private:
    CProgressDlg dialog_;
};

}  // namespace

ShellTransferInteraction::ShellTransferInteraction(UserPrompt &prompt, SelectionChooser *chooser, QWidget *owner)
    : prompt_(prompt), chooser_(chooser), owner_(owner) {}

model::Answer ShellTransferInteraction::message(const std::string &text, model::MessageIcon icon,
                                             model::MessageButtons buttons) {
    return modelAnswer(prompt_.show(toUtf8(appTitle()), cp1252ToUtf8(text), shellIcon(icon), shellButtons(buttons)));
}

std::unique_ptr<model::Progress> ShellTransferInteraction::beginProgress(const std::string &text) {
    return std::make_unique<ProgressOnScreen>(owner_.data(), text);
}

std::optional<model::SelectionResult> ShellTransferInteraction::select(const model::SelectionRequest &request) {
    SelectionRequest shown;
    shown.kind = kindOfDialog(request.dialogId);
    shown.mode = request.fileName.empty() ? SelectionMode::Transfer : SelectionMode::Display;
    shown.fileName = cp1252ToUtf8(request.fileName);
    // Tester texts show their special characters spelt out.
    for (const std::string &line : request.lines) shown.lines.push_back(cp1252ToUtf8(convertTesterText(line)));

    QtSelectionChooser screen(prompt_, owner_.data());
    SelectionChooser &chooser = chooser_ ? *chooser_ : screen;
    const std::optional<SelectionResult> answer = chooser.choose(shown);
    if (!answer) return std::nullopt;
    model::SelectionResult result;
    result.chosen = indexesOf(answer->chosen, shown.lines);
    result.deleted = indexesOf(answer->deleted, shown.lines);
    result.saveAfterTransfer = answer->saveAfterTransfer;
    return result;
}

}  // namespace quillet
