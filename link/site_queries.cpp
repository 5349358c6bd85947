// Sites, their configuration, wiring conventions, cables, plug names and
// the sections of a site's chain.
#include <cstring>
#include <ctime>

#include "fields.h"
#include "link_state.h"
#include "oem_ansi.h"
#include "queries.h"
#include "record_decoders.h"
#include "revision_gate.h"
#include "text_copy.h"
#include "torvlink.h"

using namespace torvlink;

extern "C" {

int32_t TorvikGetNbSitesMax(void) { return runCountQuery("NBSITES?"); }

int32_t TorvikGetSiteConfigSummary(char *name, uint32_t *dateTime, int32_t site) {
    if (!name || !dateTime) return TORVIK_ERR_QUERY;
    return runRecordQuery<40>(formatCommand("CFGSITE_SUM?", site),
                          [&](decode::Block block) { decode::siteSummary(block, name, *dateTime); });
}

int32_t TorvikGetSiteConfigSummaryEx(char *name, uint8_t *day, uint8_t *month, uint16_t *year, int32_t site) {
    uint32_t when = 0;
    if (TorvikGetSiteConfigSummary(name, &when, site) != TORVIK_OK) return TORVIK_ERR_QUERY;
    const std::time_t seconds = static_cast<std::time_t>(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    if (day) *day = static_cast<uint8_t>(local.tm_mday);
    if (month) *month = static_cast<uint8_t>(local.tm_mon + 1);
    if (year) *year = static_cast<uint16_t>(local.tm_year + 1900);
    return TORVIK_OK;
}

int32_t TorvikGetSiteConfig(SiteConfigRecord *record, int32_t site) {
    if (!record) return TORVIK_ERR_QUERY;
    return runRecordQuery<90>(formatCommand("CFGSITE?", site),
                          [&](decode::Block block) { decode::siteConfig(block, link().revision, *record); });
}

int32_t TorvikGetConvCnx(ConnectionInfoRecord *record, int32_t convention) {
    if (!record) return TORVIK_ERR_QUERY;
    return runRecordQuery<39>(formatCommand("CNX_INF?", convention),
                          [&](decode::Block block) { decode::connectionInfo(block, *record); });
}

int32_t TorvikGetConvWiresNames(WireNamesRecord *record, int32_t convention) {
    if (!record) return TORVIK_ERR_QUERY;
    return runRecordQuery<116>(formatCommand("WIRES_NAMES?", convention),
                           [&](decode::Block block) { decode::wireNames(block, *record); });
}

int32_t TorvikGetCable(CableRecord *record, int32_t cable) {
    if (!record) return TORVIK_ERR_QUERY;
    return runRecordQuery<28>(formatCommand("CABLE?", cable),
                          [&](decode::Block block) { decode::cable(block, *record); });
}

int32_t TorvikGetSiteNbTests(int32_t site) { return runCountQuery(formatCommand("NBTESTS?", site)); }

int32_t TorvikGetSiteNbSectsTests(int32_t site) {
    if (!isRevisionInRange(gate::kAutoGraphs)) return TorvikGetSiteNbTests(site);
    return runCountQuery(formatCommand("NBSECTS_TESTS?", site));
}

int32_t TorvikGetSiteNrSect0Test0(int32_t site) { return runCountQuery(formatCommand("NRSECT0_TEST0?", site)); }

int32_t TorvikGetPlugName(char *name, int32_t number) {
    if (name) name[0] = '\0';
    if (!isRevisionInRange(gate::kPlugNameAsked)) return TORVIK_OK;
    char line[84];
    if (int32_t code = runLineQuery(formatCommand("PLUG_NAME?", number), line, sizeof line); code != TORVIK_OK)
        return code;
    copyField(name, 65, withoutLineEnd(line), 64);
    oemToAnsi(name, 65);
    return TORVIK_OK;
}

int32_t TorvikGetSect(SectionRecord *record, int32_t section, int32_t layoutFlags) {
    if (!record) return TORVIK_ERR_QUERY;
    return runRecordQuery<428>(formatCommand("SECT?", section), [&](decode::Block block) {
        decode::section(block, link().revision, layoutFlags, *record);
    });
}

int32_t TorvikGetAutoGraphFirstNbd(void) { return isRevisionInRange(gate::kSixValueUncertainties) ? 399 : 0; }

int32_t TorvikGetAutoGraphSteNbd(void) { return isRevisionInRange(gate::kSixValueUncertainties) ? 405 : 0; }

}  // extern "C"
