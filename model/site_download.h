// Reading one site from the tester: its configuration, wiring convention,
// cable, standard, the tester's identity and uncertainties, then the chain
// of sections that holds its plugs and their curves. The link must be open.
#pragma once

#include "site.h"
#include "transfer_interaction.h"

namespace quillet::model {

struct SiteReadOptions {
    bool readPlugs = true;
};

// 0, or -1 when a step failed (the site keeps what earlier steps stored).
// A cancel by the user keeps the plugs finished so far and returns 0.
int readSiteFromTester(CSite &site, int siteNumber, UserInteraction &ui, SiteReadOptions options = {});

// How a site's reading ended. Queries that fail because of the line are
// sent again (query_retry.h) before the site is given up.
enum class SiteReadEnd {
    Complete,
    Cancelled,  // the user cancelled: the plugs finished so far are kept
    Failed,     // a query failed or a section was unexpected: the plugs finished before stay
    LineLost,   // the tester stopped answering, even to the repeated query
};

struct SiteReadResult {
    int code = 0;  // as readSiteFromTester returns
    SiteReadEnd end = SiteReadEnd::Complete;
};

SiteReadResult readSite(CSite &site, int siteNumber, UserInteraction &ui, SiteReadOptions options = {});

}  // namespace quillet::model
