#include "site_download.h"

#include <cstring>
#include <functional>
#include <optional>

#include "plug_curves.h"
#include "query_retry.h"
#include "quillet_strings.h"
#include "tester_reads.h"
#include "torvlink.h"

namespace quillet::model {
namespace {

constexpr int kNoCableNumber = 0xFFFF;

// The queries of one site's reading: each is sent again after a line
// fault, and a Cancel, once seen, stays seen (a progress display clears
// the request when it is read).
class SiteQueries {
public:
    explicit SiteQueries(UserInteraction &ui) : ui_(ui) {}

    // True when `query` succeeded; false (the reading stops) otherwise.
    bool ask(const std::function<int()> &query) {
        int result = 0;
        return ask(query, result);
    }
    bool ask(const std::function<int()> &query, int &result) {
        const QueryEnd end = runWithRetries(query, [this] { return cancelled(); }, result);
        if (end == QueryEnd::LineFault) lineLost_ = true;
        return end == QueryEnd::Done;
    }
    bool cancelled() {
        if (!cancelled_) cancelled_ = (progress_ && progress_->cancelled()) || ui_.cancelRequested();
        return cancelled_;
    }
    // The progress display whose Cancel button counts too (none: the user's).
    void watch(Progress *progress) { progress_ = progress; }
    // How a reading that stopped early ended.
    SiteReadEnd stopped() const {
        if (cancelled_) return SiteReadEnd::Cancelled;
        return lineLost_ ? SiteReadEnd::LineLost : SiteReadEnd::Failed;
    }

private:
    UserInteraction &ui_;
    Progress *progress_ = nullptr;
    bool cancelled_ = false;
    bool lineLost_ = false;
};

bool readConfiguration(CSite &site, int siteNumber, SiteConfigRecord &config, SiteQueries &queries) {
    char name[16] = {};
    if (!queries.ask([&] { return TorvikGetSiteConfigSummary(name, &site.testTime, siteNumber); })) return false;
    if (!queries.ask([&] { return TorvikGetSiteConfig(&config, siteNumber); })) return false;
    site.name = std::string(config.siteName, strnlen(config.siteName, sizeof config.siteName));
    site.nvp = config.nvp;
    site.configWord1 = config.word40;
    site.configByte1 = config.byte64;
    site.patternText = std::string(config.patternText, strnlen(config.patternText, sizeof config.patternText));
    site.configWord2 = config.word58;
    site.configWord3 = config.word60;
    site.configByte2 = config.byte62;
    site.configByte3 = config.byte63;
    return true;
}

bool readReferences(CSite &site, const SiteConfigRecord &config, SiteQueries &queries) {
    if (!queries.ask([&] { return readConvCabFromTester(site.convention, config.conventionNr); })) return false;
    if (!queries.ask([&] { return readCableFromTester(site.cable, config.cableNr); })) return false;
    site.wiringText = std::string(config.wiringText, strnlen(config.wiringText, sizeof config.wiringText));
    if (config.plugNameNr != 0) {
        char plugName[65] = {};
        if (TorvikGetPlugName(plugName, config.plugNameNr) == 0) site.plugNameText = plugName;
    }
    const int second = site.cable.standardWithoutCable ? kNoCableNumber : config.cableNr;
    return queries.ask([&] { return readNormFromTester(site.standard, config.standardNr, second); });
}

bool readTesterIdentity(CSite &site, SiteQueries &queries) {
    char maker[29], model[29], serial[20], revision[5];
    if (!queries.ask([&] { return TorvikGetId(maker, model, serial, revision) == 0 ? 0 : -1; })) return false;
    site.testerMaker = maker, site.testerModel = model, site.testerSerial = serial, site.testerRevision = revision;
    char user[17], company[17];
    if (!queries.ask([&] { return TorvikGetUserId(user, company) == 0 ? 0 : -1; })) return false;
    site.user = user, site.company = company;
    auto &u = site.uncertainties;
    return queries.ask([&] { return TorvikGetUncertainties(&u[0], &u[1], &u[2], &u[3], &u[4], &u[5]) == 0 ? 0 : -1; });
}

// The walk along the site's chain of sections, building plugs and curves.
class SectionWalk {
public:
    SectionWalk(CSite &site, UserInteraction &ui, SiteQueries &queries, bool autograph)
        : site_(site), ui_(ui), queries_(queries), autograph_(autograph),
          context_(site.name, site.standard, site.convention),
          decoder_(context_, TorvikGetAutoGraphFirstNbd(), TorvikGetAutoGraphSteNbd()) {}

    int run(int firstSection, int announced, Progress &progress);
    int plugIndex() const { return plugIndex_; }

private:
    void handle(const SectionRecord &section, int &error);
    void finishPlug();

    CSite &site_;
    UserInteraction &ui_;
    SiteQueries &queries_;
    bool autograph_;
    CurveContext context_;
    CurveDecoder decoder_;
    std::optional<CPrise> plug_;
    bool plugHasCurves_ = false;
    int plugIndex_ = -1;
};

int SectionWalk::run(int section, int announced, Progress &progress) {
    int error = 0;
    int read = 0;
    while (error == 0 && section != 0 && !queries_.cancelled()) {
        progress.step();
        SectionRecord record{};
        if (!queries_.ask([&] { return TorvikGetSect(&record, section, site_.standard.flags); }, error)) break;
        ++read;
        handle(record, error);
        int next = record.next;
        if (next != 0 && read >= announced) {
            ui_.message(formatResource(ids::kSiteCorrupted, site_.name), MessageIcon::Exclamation,
                        MessageButtons::Ok);
            next = 0;
        }
        if (next == 0) {
            if (plug_) plugHasCurves_ |= decoder_.finish(*plug_);
            finishPlug();
        }
        section = next;
    }
    decoder_.discard();
    return error;
}

void SectionWalk::handle(const SectionRecord &section, int &error) {
    switch (section.type & 3) {
    case 0: {
        if (plug_) plugHasCurves_ |= decoder_.finish(*plug_);
        finishPlug();
        ++plugIndex_;
        CPrise plug;
        plug.fillFromTestSection(std::span(reinterpret_cast<const std::uint8_t *>(&section), sizeof section),
                                 site_.standard);
        plug_ = std::move(plug);
        plugHasCurves_ = false;
        break;
    }
    case 3:
        if (!autograph_) {
            error = -1;
            break;
        }
        if (plug_) plugHasCurves_ |= decoder_.finish(*plug_);
        decoder_.start(section);
        break;
    case 2:
        if (!autograph_) {
            error = -1;
            break;
        }
        decoder_.proceed(section);
        break;
    default:
        error = -1;
    }
}

void SectionWalk::finishPlug() {
    if (!plug_) return;
    if (autograph_ && plugHasCurves_) {
        addDerivedCurves(*plug_, context_);
        addLimitCurves(*plug_, context_);
    }
    site_.plugs.push_back(std::move(*plug_));
    plug_.reset();
    plugHasCurves_ = false;
}

SiteReadResult readPlugs(CSite &site, int siteNumber, UserInteraction &ui, SiteQueries &queries) {
    int count = 0;
    if (!queries.ask([&] { return TorvikGetSiteNbSectsTests(siteNumber); }, count)) return {-1, queries.stopped()};
    if (count == 0)
        ui.message(formatResource(ids::kNoAutotestData, site.name), MessageIcon::Exclamation, MessageButtons::Ok);
    const bool autograph = DoesTorvikSupportAutoGraph() != 0;
    auto progress = ui.beginProgress(resourceString(ids::kReadingPlugs));
    progress->setText(std::string(resourceString(ids::kForTheSite)) + " " + site.name);
    progress->setRange(0, count);
    progress->setStep(1);
    int first = 0;
    if (!queries.ask([&] { return TorvikGetSiteNrSect0Test0(siteNumber); }, first)) {
        progress.reset();
        ui.message(formatResource(ids::kUnableToReadPlugIndex, "0", site.name), MessageIcon::Exclamation,
                   MessageButtons::Ok);
        return {-1, queries.stopped()};
    }
    SectionWalk walk(site, ui, queries, autograph);
    queries.watch(progress.get());
    const int error = walk.run(first, count, *progress);
    queries.watch(nullptr);
    progress.reset();
    if (error < 0 && queries.cancelled()) return {-1, SiteReadEnd::Cancelled};
    if (error < 0) {
        const auto index = static_cast<std::uint16_t>(walk.plugIndex());
        ui.message(formatResource(ids::kUnableToReadPlugIndex, std::to_string(index), site.name),
                   MessageIcon::Exclamation, MessageButtons::Ok);
        return {-1, queries.stopped()};
    }
    if (queries.cancelled()) return {0, SiteReadEnd::Cancelled};
    return {0, SiteReadEnd::Complete};
}

}  // namespace

SiteReadResult readSite(CSite &site, int siteNumber, UserInteraction &ui, SiteReadOptions options) {
    SiteQueries queries(ui);
    SiteConfigRecord config{};
    if (!readConfiguration(site, siteNumber, config, queries) || !readReferences(site, config, queries) ||
        !readTesterIdentity(site, queries))
        return {-1, queries.stopped()};
    if (!options.readPlugs) return {0, SiteReadEnd::Complete};
    return readPlugs(site, siteNumber, ui, queries);
}

int readSiteFromTester(CSite &site, int siteNumber, UserInteraction &ui, SiteReadOptions options) {
    return readSite(site, siteNumber, ui, options).code;
}

}  // namespace quillet::model
