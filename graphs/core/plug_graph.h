// The curves of one plug as a graph document: "See Plug Curves" opens one
// per curve slot (attenuation, then NEXT, ELFEXT, return loss, ACR, PSNEXT,
// PSELFEXT, PSACR, each at the tester and at the remote end), holding the
// slot's limit, stored and derived curves.
#pragma once

#include <optional>
#include <string>

#include "graph_file.h"
#include "prise.h"
#include "site.h"

namespace quillet::graphs {

// The commands of the plug list, one per slot 0 to 14.
inline constexpr int kSeePlugCurvesFirst = 32807;
inline constexpr int kSeePlugCurvesLast = 32821;

// The slot a command stands for; none for another command.
std::optional<int> slotOfPlugCurvesCommand(int commandId);

// Whether the command of a slot is enabled: exactly when the plug holds
// curves in that slot.
bool plugHoldsSlot(const model::CPrise &plug, int slot);

struct PlugGraph {
    model::GraphFile file;
    std::string title;  // site name "_" plug identifier "_" the slot's name
};

// The graph document of a plug's slot: the site's tester identity and
// user, the representation title site name ":" plug identifier, and every
// curve of the slot in the plug's order. Nothing when the slot holds none.
std::optional<PlugGraph> plugGraph(const model::CSite &site, const model::CPrise &plug, int slot);

}  // namespace quillet::graphs

namespace quillet::graphs {

// Every curve of the plug, slot after slot in menu order, as one document
// titled site name "_" plug identifier; nothing when the plug holds none.
std::optional<PlugGraph> plugGraphAllSlots(const model::CSite &site, const model::CPrise &plug);

}  // namespace quillet::graphs
