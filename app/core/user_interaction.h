// What the shell offers the rest of the program to talk to the user: message
// boxes, the progress of a long transfer and the choice of lines to
// transfer. The windows implement these; tests put recorders in their place.
// Texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillet {

enum class MessageIcon { None, Information, Question, Exclamation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
// The button that closed a message box.
enum class MessageResult { Ok, Cancel, Yes, No };

class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    virtual MessageResult show(const std::string &caption, const std::string &text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

// A long operation's progress: a bar from lower to upper, advanced by a
// step, and a Cancel the operation polls between two tester queries.
class ProgressMonitor {
public:
    virtual ~ProgressMonitor() = default;
    virtual void setRange(int lower, int upper) = 0;
    virtual void setStep(int step) = 0;
    virtual void step() = 0;
    // Whether Cancel was pressed since the last question (the flag clears).
    virtual bool cancelled() = 0;
};

enum class SelectionKind { Sites, Norms, Graphs, Limits };
enum class SelectionMode { Transfer, Display };

struct SelectionRequest {
    SelectionKind kind = SelectionKind::Sites;
    SelectionMode mode = SelectionMode::Transfer;  // Display: sites of a file
    std::string fileName;                          // shown in display mode
    std::vector<std::string> lines;                // tab-separated, "%02.2d" first
};

struct SelectionResult {
    std::vector<std::string> chosen;   // in list order
    std::vector<std::string> deleted;  // display mode only
    bool saveAfterTransfer = false;
};

class SelectionChooser {
public:
    virtual ~SelectionChooser() = default;
    // Nothing when the user cancelled.
    virtual std::optional<SelectionResult> choose(const SelectionRequest &request) = 0;
};

}  // namespace quillet
