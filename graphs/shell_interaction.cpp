#include "shell_interaction.h"

#include <QLabel>
#include <algorithm>

#include "progress_dlg.h"
#include "quillet_strings.h"
#include "select_dlg.h"
#include "tester_text.h"

namespace quillet::graphs {
namespace {

// The progress dialog showing the operation's texts.
class DialogProgress final : public model::Progress {
public:
    DialogProgress(QWidget *owner, const std::string &text) : dialog_(owner) { setText(text); }
    void setText(const std::string &text) override { dialog_.setWindowTitle(QString::fromStdString(cp1252ToUtf8(text))); }
    void setRange(int lower, int upper) override { dialog_.setRange(lower, upper); }
    void setStep(int step) override { dialog_.setStep(step); }
    void step() override { dialog_.step(); }
    bool cancelled() override { return dialog_.cancelled(); }

private:
    CProgressDlg dialog_;
};

SelectionKind kindOf(int dialogId) {
    switch (dialogId) {
    case 114: return SelectionKind::Graphs;
    case 107: return SelectionKind::Limits;
    case 106: return SelectionKind::Norms;
    default: return SelectionKind::Sites;
    }
}

}  // namespace

model::Answer ShellInteraction::message(const std::string &text, model::MessageIcon icon,
                                        model::MessageButtons buttons) {
    const auto shellButtons = buttons == model::MessageButtons::Ok       ? MessageButtons::Ok
                              : buttons == model::MessageButtons::OkCancel ? MessageButtons::OkCancel
                                                                           : MessageButtons::YesNo;
    const MessageResult result = prompt_.show(resourceString(ids::kAppTitle), cp1252ToUtf8(text),
                                              static_cast<MessageIcon>(icon), shellButtons);
    switch (result) {
    case MessageResult::Ok: return model::Answer::Ok;
    case MessageResult::Cancel: return model::Answer::Cancel;
    case MessageResult::Yes: return model::Answer::Yes;
    default: return model::Answer::No;
    }
}

std::unique_ptr<model::Progress> ShellInteraction::beginProgress(const std::string &text) {
    return std::make_unique<DialogProgress>(parent_, text);
}

std::optional<model::SelectionResult> ShellInteraction::select(const model::SelectionRequest &request) {
    SelectionRequest shellRequest;
    shellRequest.kind = kindOf(request.dialogId);
    for (const std::string &line : request.lines) shellRequest.lines.push_back(cp1252ToUtf8(line));
    QtSelectionChooser chooser(prompt_, parent_);
    const auto chosen = chooser.choose(shellRequest);
    if (!chosen) return std::nullopt;
    model::SelectionResult result;
    result.saveAfterTransfer = chosen->saveAfterTransfer;
    for (const std::string &line : chosen->chosen) {
        const auto at = std::find(shellRequest.lines.begin(), shellRequest.lines.end(), line);
        if (at != shellRequest.lines.end()) result.chosen.push_back(static_cast<std::size_t>(at - shellRequest.lines.begin()));
    }
    return result;
}

}  // namespace quillet::graphs
