// The boxes the procedure shows, composed from the numbered texts in the
// run's language.
#pragma once

#include <string>

#include "texts.h"
#include "upgrader_ui.h"

namespace rivo {

inline constexpr const char *kBoxCaption = "RIVO";

// Thrown when the user ends the upgrader from a trace box; caught where the
// procedure starts and never beyond.
struct UpgraderEnded {};

class Dialogue {
public:
    Dialogue(UpgraderUi &ui, Language language, bool trace) : ui_(ui), language_(language), trace_(trace) {}

    UpgraderUi &ui() const { return ui_; }
    Language language() const { return language_; }
    bool tracing() const { return trace_; }
    std::string text(TextId id) const { return rivo::text(language_, id); }

    BoxAnswer ask(BoxIcon icon, const std::string &text, BoxButtons buttons, BoxPurpose purpose) const;
    // A failure that ends the upgrade: the text, ".", an empty line, text
    // 9/10, ". " and text 65/66, warning icon.
    void unableToUpgrade(const std::string &text) const;
    // A failure the user may retry: the text, ".", an empty line and the
    // cable advice 67/68; true for OK.
    bool retryAfter(const std::string &text) const;
    // A trace-mode box (nothing outside trace mode); Cancel ends the upgrader.
    void trace(const std::string &text) const;
    // The Cancel button's question; true when the user abandons.
    bool confirmAbort(TextId question) const;

private:
    UpgraderUi &ui_;
    Language language_;
    bool trace_;
};

}  // namespace rivo
