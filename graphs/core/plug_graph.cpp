#include "plug_graph.h"

#include "measure_kind.h"

namespace quillet::graphs {

std::optional<int> slotOfPlugCurvesCommand(int commandId) {
    if (commandId < kSeePlugCurvesFirst || commandId > kSeePlugCurvesLast) return std::nullopt;
    return commandId - kSeePlugCurvesFirst;
}

bool plugHoldsSlot(const model::CPrise &plug, int slot) {
    const auto *curves = plug.curvesOfSlot(slot);
    return curves && !curves->empty();
}

namespace {

PlugGraph plugDocument(const model::CSite &site, const model::CPrise &plug) {
    PlugGraph graph;
    model::GraphFile &file = graph.file;
    file.testerMaker = site.testerMaker;
    file.testerModel = site.testerModel;
    file.testerSerial = site.testerSerial;
    file.testerRevision = site.testerRevision;
    file.user = site.user;
    file.company = site.company;
    file.representationTitle = site.name + ":" + plug.plugId;
    graph.title = site.name + "_" + plug.plugId;
    return graph;
}

}  // namespace

std::optional<PlugGraph> plugGraph(const model::CSite &site, const model::CPrise &plug, int slot) {
    if (!plugHoldsSlot(plug, slot)) return std::nullopt;
    PlugGraph graph = plugDocument(site, plug);
    graph.file.curves = *plug.curvesOfSlot(slot);
    graph.title += "_" + model::slotName(slot, model::NameForm::Short, "-");
    return graph;
}

std::optional<PlugGraph> plugGraphAllSlots(const model::CSite &site, const model::CPrise &plug) {
    PlugGraph graph = plugDocument(site, plug);
    for (int slot = 0; slot < model::kCurveSlotCount; ++slot) {
        if (!plugHoldsSlot(plug, slot)) continue;
        const auto &curves = *plug.curvesOfSlot(slot);
        graph.file.curves.insert(graph.file.curves.end(), curves.begin(), curves.end());
    }
    if (graph.file.curves.empty()) return std::nullopt;
    return graph;
}

}  // namespace quillet::graphs
