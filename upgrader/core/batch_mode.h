// The unattended upgrade for service benches and tests:
//   rivo32 --batch --dir FOLDER [the usual options]
// No window and no standard input. Every message box is written to standard
// output as "[ICON] CAPTION", its text line by line and "---"; OK confirms
// the files and every trace box, Cancel ends every box offering a retry.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "upgrader_ui.h"

namespace rivo {

// Finds "--batch" among the arguments (after the program name).
bool isBatchRun(const std::vector<std::string> &arguments);

// Runs the batch upgrade; the exit status: 0 only when the success box was
// shown, 1 otherwise (also for a missing or unusable --dir).
int runBatch(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &errors);

// The answers of an unattended run, writing each box as a block.
class BatchUi final : public UpgraderUi {
public:
    explicit BatchUi(std::ostream &out) : out_(out) {}

    BoxAnswer ask(const MessageBox &box) override;
    bool chooseLink(LinkSettings &) override { return true; }
    void openProgress(ProgressWindow) override {}
    void setProgressTexts(const std::string &, const std::string &) override {}
    void setProgress(int) override {}
    void closeProgress() override {}
    bool cancelPressed() override { return false; }

private:
    std::ostream &out_;
};

// "[warning] RIVO", the text's lines, "---".
std::string boxBlock(const MessageBox &box);

}  // namespace rivo
