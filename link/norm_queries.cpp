// Graphs, standards, wire numbers, sweeps and limit curves.
#include <cstring>

#include "fields.h"
#include "link_state.h"
#include "queries.h"
#include "record_decoders.h"
#include "revision_gate.h"
#include "torvlink.h"

namespace torvlink {
namespace {

std::string normCommand(int32_t standard, int32_t second) {
    std::string command = formatCommand("NORM?", standard);
    if (isRevisionInRange(gate::kSixValueUncertainties))
        command += ", " + std::to_string(static_cast<int16_t>(second));
    return command;
}

}  // namespace
}  // namespace torvlink

using namespace torvlink;

extern "C" {

int32_t TorvikGetSiteNbGrphs(int32_t site) { return runCountQuery(formatCommand("NBGRAPHS?", site)); }

int32_t TorvikGetSiteGrphSummary(GraphSummaryRecord *record, int32_t site, int32_t graph) {
    if (!record) return TORVIK_ERR_QUERY;
    return runRecordQuery<68>(formatCommand("GRAPH_SUM?", site, graph),
                         [&](decode::Block block) { decode::graphSummary(block, *record); });
}

int32_t TorvikGetSiteNrSect0Grph(int16_t *count, int32_t site, int32_t graph) {
    char line[80];
    if (runLineQuery(formatCommand("NRSECT0_GRAPH?", site, graph), line, sizeof line) != TORVIK_OK)
        return TORVIK_ERR_QUERY;
    FieldSplitter fields(line);
    const auto first = fields.next(",");
    const auto second = fields.next(",\n");
    if (!first || !second) return TORVIK_ERR_QUERY;
    if (count) *count = static_cast<int16_t>(leadingInt(*second));
    return leadingInt(*first);
}

int32_t TorvikGetGraphFirstNbd(void) { return isRevisionInRange(gate::kSixValueUncertainties) ? 361 : 104; }

int32_t TorvikGetGraphSteNbd(void) { return isRevisionInRange(gate::kSixValueUncertainties) ? 405 : 147; }

int32_t TorvikGetNbNorms(void) { return runCountQuery("NBNORMS?"); }

int32_t TorvikGetNorm(NormRecord *record, int32_t standard, int32_t second) {
    if (!record) return TORVIK_ERR_QUERY;
    return runRecordQuery<49>(normCommand(standard, second),
                         [&](decode::Block block) { decode::norm(block, link().revision, *record); });
}

int32_t TorvikGetNormWiresNr(uint8_t *wires, int32_t standard) {
    if (!wires) return TORVIK_ERR_QUERY;
    for (uint8_t i = 0; i < 8; ++i) wires[i] = static_cast<uint8_t>(i + 1);
    if (!isRevisionInRange(gate::kNormWiresNrAsked)) return TORVIK_OK;
    char line[80];
    if (int32_t code = runLineQuery(formatCommand("NORM_WIRES_NR?", standard), line, sizeof line);
        code != TORVIK_OK)
        return code;
    FieldSplitter fields(line);
    for (int i = 0; i < 8; ++i) {
        const auto number = fields.next(i == 7 ? "\n" : ",");
        if (!number) return TORVIK_ERR_QUERY;
        wires[i] = static_cast<uint8_t>(leadingInt(*number) & 0xFF);
    }
    return TORVIK_OK;
}

int32_t TorvikGetSweep(SweepSegment *segments, int16_t *count, int32_t standard) {
    if (!segments || !count) return TORVIK_ERR_QUERY;
    return runRecordQuery<44>(formatCommand("SWEEP?", standard),
                         [&](decode::Block block) { *count = decode::sweep(block, segments); });
}

int32_t TorvikGetLimit(LimitCurve *curve, uint16_t *count, int32_t limit) {
    if (!curve || !count) return TORVIK_ERR_QUERY;
    return runRecordQuery<335>(formatCommand("LIMIT?", limit),
                          [&](decode::Block block) { *count = decode::limitCurve(block, *curve); });
}

int32_t TorvikGetLimitOpt(LimitOptRecord *record, int32_t limit) {
    if (!record) return TORVIK_ERR_QUERY;
    std::memset(record, 0, sizeof *record);
    if (!isRevisionInRange(gate::kSixValueUncertainties)) return TORVIK_OK;
    return runRecordQuery<44>(formatCommand("LIMITOPT?", limit),
                         [&](decode::Block block) { decode::limitOpt(block, link().revision, *record); });
}

}  // extern "C"
