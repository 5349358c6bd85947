// A user for the model's long operations in tests: records every message,
// answers questions from a script, and can press Cancel after some steps.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "transfer_interaction.h"

namespace quillet::testing {

struct ShownMessage {
    std::string text;
    model::MessageIcon icon;
    model::MessageButtons buttons;
};

class ScriptedInteraction final : public model::UserInteraction {
public:
    std::vector<ShownMessage> messages;
    std::deque<model::Answer> answers;  // for questions; Yes when empty
    int cancelAfterSteps = -1;          // press Cancel once this many steps were taken
    int steps = 0;

    model::Answer message(const std::string &text, model::MessageIcon icon, model::MessageButtons buttons) override {
        messages.push_back({text, icon, buttons});
        if (buttons == model::MessageButtons::Ok) return model::Answer::Ok;
        if (answers.empty()) return model::Answer::Yes;
        const model::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::unique_ptr<model::Progress> beginProgress(const std::string &) override {
        return std::make_unique<StepCounter>(*this);
    }

    std::optional<model::SelectionResult> select(const model::SelectionRequest &request) override {
        model::SelectionResult all;
        for (std::size_t i = 0; i < request.lines.size(); ++i) all.chosen.push_back(i);
        return all;
    }

private:
    class StepCounter final : public model::Progress {
    public:
        explicit StepCounter(ScriptedInteraction &owner) : owner_(owner) {}
        void setText(const std::string &) override {}
        void setRange(int, int) override {}
        void setStep(int) override {}
        void step() override { ++owner_.steps; }
        bool cancelled() override { return owner_.cancelAfterSteps >= 0 && owner_.steps >= owner_.cancelAfterSteps; }

    private:
        ScriptedInteraction &owner_;
    };
};

}  // namespace quillet::testing
