#include "terminal_interaction.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

#include "file_io.h"
#include "tester_session.h"

namespace quillet::cli {
namespace {

std::atomic<bool> gInterrupted{false};

// The first Ctrl-C cancels the operation, which keeps what it read; a
// second ends the program at once, removing a save's unfinished temporary
// file so that no file is left half-written.
extern "C" void onInterrupt(int) {
    if (gInterrupted.exchange(true)) {
        model::removeUnfinishedSave();
        ::_exit(130);
    }
}

class TerminalProgress final : public Progress {
public:
    explicit TerminalProgress(std::string text) : text_(std::move(text)), shown_(isatty(STDERR_FILENO) != 0) {}
    ~TerminalProgress() override {
        if (shown_ && drawn_) std::fputs("\n", stderr);
    }
    void setText(const std::string &text) override {
        text_ = text;
        draw();
    }
    void setRange(int lower, int upper) override {
        lower_ = lower, upper_ = upper, position_ = lower;
        draw();
    }
    void setStep(int step) override { step_ = step; }
    void step() override {
        position_ += step_;
        draw();
    }
    bool cancelled() override { return gInterrupted.load(); }

private:
    void draw() {
        if (!shown_) return;
        const int span = upper_ - lower_;
        const int percent = span > 0 ? (position_ - lower_) * 100 / span : 0;
        std::fprintf(stderr, "\r%s %3d%%\033[K", toTerminal(text_).c_str(), percent);
        drawn_ = true;
    }

    std::string text_;
    bool shown_;
    bool drawn_ = false;
    int lower_ = 0, upper_ = 100, position_ = 0, step_ = 10;
};

}  // namespace

TerminalInteraction::TerminalInteraction(Answer unattendedAnswer) : unattended_(unattendedAnswer) {
    gInterrupted = false;
    std::signal(SIGINT, onInterrupt);
}

TerminalInteraction::~TerminalInteraction() { std::signal(SIGINT, SIG_DFL); }

bool TerminalInteraction::interrupted() { return gInterrupted.load(); }

bool TerminalInteraction::cancelRequested() { return interrupted(); }

Answer TerminalInteraction::message(const std::string &text, MessageIcon icon, MessageButtons buttons) {
    std::fprintf(stderr, "quillet-cli: %s\n", toTerminal(text).c_str());
    if (buttons == MessageButtons::Ok) return Answer::Ok;
    if (buttons == MessageButtons::OkCancel) return Answer::Ok;
    if (icon != MessageIcon::Question || !isatty(STDIN_FILENO)) {
        std::fprintf(stderr, "quillet-cli: answered %s\n", unattended_ == Answer::Yes ? "yes" : "no");
        return unattended_;
    }
    std::fputs("[y/n] ", stderr);
    std::string reply;
    std::getline(std::cin, reply);
    return !reply.empty() && (reply[0] == 'y' || reply[0] == 'Y') ? Answer::Yes : Answer::No;
}

std::unique_ptr<Progress> TerminalInteraction::beginProgress(const std::string &text) {
    return std::make_unique<TerminalProgress>(text);
}

std::optional<SelectionResult> TerminalInteraction::select(const SelectionRequest &request) {
    SelectionResult all;
    for (std::size_t i = 0; i < request.lines.size(); ++i) all.chosen.push_back(i);
    return all;
}

}  // namespace quillet::cli
