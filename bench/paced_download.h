// What the download benchmarks share: a simulated tester holding one
// 100-plug Cat 5e site with curves, pacing its replies as a real line at the
// chosen rate, the link opened to it, and the report of wire bytes and
// time against the line's own minimum (ten bit times per byte).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "transfer_interaction.h"

namespace bench {

struct Settings {
    int plugs = 100;
    int32_t baud = 115200;
    int graphs = 0;  // graphs stored on the site, every kind in turn
};

// Answers every message with OK and never cancels.
class Unattended final : public quillet::model::UserInteraction {
    class Steps final : public quillet::model::Progress {
        void setText(const std::string &) override {}
        void setRange(int, int) override {}
        void setStep(int) override {}
        void step() override {}
        bool cancelled() override { return false; }
    };

public:
    quillet::model::Answer message(const std::string &, quillet::model::MessageIcon,
                                   quillet::model::MessageButtons) override {
        return quillet::model::Answer::Ok;
    }
    std::unique_ptr<quillet::model::Progress> beginProgress(const std::string &) override {
        return std::make_unique<Steps>();
    }
    std::optional<quillet::model::SelectionResult> select(const quillet::model::SelectionRequest &) override {
        return std::nullopt;
    }
};

// "--plugs N", "--baud B" and "--graphs N".
Settings parse(int argc, char **argv);

// Runs `download` against the paced tester with the link open, then prints
// what `what` names (sections, plugs), the bytes, the time and the ratio.
// The exit code of the program.
int runPaced(const char *program, const Settings &settings, const std::function<std::string()> &download);

}  // namespace bench
