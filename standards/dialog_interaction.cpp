#include "dialog_interaction.h"

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
    case model::MessageIcon::None: break;
    }
    return MessageIcon::None;
}

MessageButtons shellButtons(model::MessageButtons buttons) {
    switch (buttons) {
    case model::MessageButtons::OkCancel: return MessageButtons::OkCancel;
    case model::MessageButtons::YesNo:
    case model::MessageButtons::YesNoCancel: return MessageButtons::YesNo;
    case model::MessageButtons::Ok: break;
    }
    return MessageButtons::Ok;
}

model::Answer modelAnswer(MessageResult result) {
    switch (result) {
    case MessageResult::Ok: return model::Answer::Ok;
    case MessageResult::Yes: return model::Answer::Yes;
    case MessageResult::No: return model::Answer::No;
    case MessageResult::Cancel: break;
    }
    return model::Answer::Cancel;
}

SelectionKind kindOfDialog(int dialogId) {
    switch (dialogId) {
    case 106: return SelectionKind::Norms;
    case 114: return SelectionKind::Graphs;
    case 107: return SelectionKind::Limits;
    default: return SelectionKind::Sites;
    }
}

// The progress dialog with the operation's own text.
class DialogProgress final : public model::Progress {
public:
    DialogProgress(QWidget *parent, const std::string &text) : dialog_(parent) { setText(text); }
    void setText(const std::string &text) override { dialog_.setMessage(fromCp1252(text)); }
    void setRange(int lower, int upper) override { dialog_.setRange(lower, upper); }
    void setStep(int step) override { dialog_.setStep(step); }
    void step() override { dialog_.step(); }
    bool cancelled() override { return dialog_.cancelled(); }

private:
    CProgressDlg dialog_;
};

}  // namespace

model::Answer DialogInteraction::message(const std::string &text, model::MessageIcon icon,
                                         model::MessageButtons buttons) {
    return modelAnswer(
        prompt_.show(toUtf8(appTitle()), cp1252ToUtf8(text), shellIcon(icon), shellButtons(buttons)));
}

std::unique_ptr<model::Progress> DialogInteraction::beginProgress(const std::string &text) {
    return std::make_unique<DialogProgress>(parent_, text);
}

std::optional<model::SelectionResult> DialogInteraction::select(const model::SelectionRequest &request) {
    SelectionRequest shown;
    shown.kind = kindOfDialog(request.dialogId);
    shown.fileName = cp1252ToUtf8(request.fileName);
    for (const std::string &line : request.lines) shown.lines.push_back(cp1252ToUtf8(convertTesterText(line)));
    QtSelectionChooser chooser(prompt_, parent_);
    const auto chosen = chooser.choose(shown);
    if (!chosen) return std::nullopt;
    model::SelectionResult result;
    result.saveAfterTransfer = chosen->saveAfterTransfer;
    for (const std::string &line : chosen->chosen) {
        for (std::size_t i = 0; i < shown.lines.size(); ++i) {
            if (shown.lines[i] == line) result.chosen.push_back(i);
        }
    }
    for (const std::string &line : chosen->deleted) {
        for (std::size_t i = 0; i < shown.lines.size(); ++i) {
            if (shown.lines[i] == line) result.deleted.push_back(i);
        }
    }
    return result;
}

}  // namespace quillet
