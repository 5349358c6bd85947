// What the model's long operations (downloads from the tester, grouping
// into existing files) need from the user, without depending on any
// window system: messages with an icon and buttons, a progress display with
// Cancel, and the choice of lines from a list. The desktop program
// implements it with dialogs, quillet-cli on the terminal, tests with
// scripted answers. Texts are in Windows-1252, as the records hold them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillet::model {

enum class MessageIcon { None, Information, Question, Exclamation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A progress display for one operation; it goes away when destroyed.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setText(const std::string &text) = 0;
    virtual void setRange(int lower, int upper) = 0;
    virtual void setStep(int step) = 0;
    // Lets pending user events through, then advances by the step.
    virtual void step() = 0;
    // Whether the user asked to cancel since the last call (the request is
    // cleared by reading it).
    virtual bool cancelled() = 0;
};

// Lines offered for selection: tab-separated fields, the first being the
// item's 1-based number ("%02.2d").
struct SelectionRequest {
    int dialogId = 0;                  // 109 sites, 106 standards, 114 graphs, 107 limits
    std::vector<std::string> lines;
    std::string fileName;              // sites shown from a file (display mode), else empty
};

struct SelectionResult {
    std::vector<std::size_t> chosen;   // indexes into the offered lines, in list order
    std::vector<std::size_t> deleted;  // lines the user marked for deletion (display mode)
    bool saveAfterTransfer = true;     // the "&Save data after transfer" box
};

class UserInteraction {
public:
    virtual ~UserInteraction() = default;
    virtual Answer message(const std::string &text, MessageIcon icon, MessageButtons buttons) = 0;
    virtual std::unique_ptr<Progress> beginProgress(const std::string &text) = 0;
    // Nothing when the user cancelled.
    virtual std::optional<SelectionResult> select(const SelectionRequest &request) = 0;
    // Whether the user asked to stop the whole operation (Ctrl-C on a
    // terminal), seen also while no progress display is up.
    virtual bool cancelRequested() { return false; }
};

}  // namespace quillet::model
