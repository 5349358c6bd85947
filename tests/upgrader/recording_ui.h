// A user interface for the upgrader's tests: it keeps every box shown and
// answers like the batch mode unless a test says otherwise.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "batch_mode.h"
#include "upgrader_ui.h"

namespace rivo::test {

class RecordingUi final : public UpgraderUi {
public:
    BoxAnswer ask(const MessageBox &box) override
    {
        boxes.push_back(box);
        if (answer)
            return answer(box);
        std::ostringstream ignored;
        return BatchUi(ignored).ask(box);
    }
    bool chooseLink(LinkSettings &settings) override
    {
        ++linkDialogs;
        return chooseLinkAnswer ? chooseLinkAnswer(settings) : false;
    }
    void openProgress(ProgressWindow window) override { windows.push_back(window); }
    void setProgressTexts(const std::string &upper, const std::string &) override { progressTexts.push_back(upper); }
    void setProgress(int percent) override { percents.push_back(percent); }
    void closeProgress() override {}
    bool cancelPressed() override { return ++polls == cancelAtPoll; }

    std::string lastText() const { return boxes.empty() ? std::string("<no box>") : boxes.back().text; }

    std::vector<MessageBox> boxes;
    std::vector<ProgressWindow> windows;
    std::vector<std::string> progressTexts;
    std::vector<int> percents;
    int linkDialogs = 0;
    int polls = 0;
    int cancelAtPoll = -1;  // the poll on which Cancel is pressed
    std::function<BoxAnswer(const MessageBox &)> answer;
    std::function<bool(LinkSettings &)> chooseLinkAnswer;
};

}  // namespace rivo::test
