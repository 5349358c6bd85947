#include "site_download.h"

#include <cstring>
#include <optional>

#include "plug_curves.h"
#include "quillet_strings.h"
#include "tester_reads.h"
#include "torvlink.h"

namespace quillet::model {
namespace {

constexpr int kNoCableNumber = 0xFFFF;

int readConfiguration(CSite &site, int siteNumber, SiteConfigRecord &config) {
    char name[16] = {};
    if (TorvikGetSiteConfigSummary(name, &site.testTime, siteNumber) != 0) return -1;
    if (TorvikGetSiteConfig(&config, siteNumber) < 0) return -1;
    site.name = std::string(config.siteName, strnlen(config.siteName, sizeof config.siteName));
    site.nvp = config.nvp;
    site.configWord1 = config.word40;
    site.configByte1 = config.byte64;
    site.patternText = std::string(config.patternText, strnlen(config.patternText, sizeof config.patternText));
    site.configWord2 = config.word58;
    site.configWord3 = config.word60;
    site.configByte2 = config.byte62;
    site.configByte3 = config.byte63;
    return 0;
}

int readReferences(CSite &site, const SiteConfigRecord &config) {
    if (readConvCabFromTester(site.convention, config.conventionNr) != 0) return -1;
    if (readCableFromTester(site.cable, config.cableNr) != 0) return -1;
    site.wiringText = std::string(config.wiringText, strnlen(config.wiringText, sizeof config.wiringText));
    if (config.plugNameNr != 0) {
        char plugName[65] = {};
        if (TorvikGetPlugName(plugName, config.plugNameNr) == 0) site.plugNameText = plugName;
    }
    const int second = site.cable.standardWithoutCable ? kNoCableNumber : config.cableNr;
    return readNormFromTester(site.standard, config.standardNr, second);
}

int readTesterIdentity(CSite &site) {
    char maker[29], model[29], serial[20], revision[5];
    if (TorvikGetId(maker, model, serial, revision) != 0) return -1;
    site.testerMaker = maker, site.testerModel = model, site.testerSerial = serial, site.testerRevision = revision;
    char user[17], company[17];
    if (TorvikGetUserId(user, company) != 0) return -1;
    site.user = user, site.company = company;
    auto &u = site.uncertainties;
    return TorvikGetUncertainties(&u[0], &u[1], &u[2], &u[3], &u[4], &u[5]) == 0 ? 0 : -1;
}

// The walk along the site's chain of sections, building plugs and curves.
class SectionWalk {
public:
    SectionWalk(CSite &site, UserInteraction &ui, bool autograph)
        : site_(site), ui_(ui), autograph_(autograph),
          context_(site.name, site.standard, site.convention),
          decoder_(context_, TorvikGetAutoGraphFirstNbd(), TorvikGetAutoGraphSteNbd()) {}

    int run(int firstSection, int announced, Progress &progress);
    int plugIndex() const { return plugIndex_; }

private:
    void handle(const SectionRecord &section, int &error);
    void finishPlug();

    CSite &site_;
    UserInteraction &ui_;
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
    while (error == 0 && section != 0 && !progress.cancelled()) {
        progress.step();
        SectionRecord record{};
        error = TorvikGetSect(&record, section, site_.standard.flags);
        if (error < 0) break;
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

int readPlugs(CSite &site, int siteNumber, UserInteraction &ui) {
    const int count = TorvikGetSiteNbSectsTests(siteNumber);
    if (count == 0)
        ui.message(formatResource(ids::kNoAutotestData, site.name), MessageIcon::Exclamation, MessageButtons::Ok);
    const bool autograph = DoesTorvikSupportAutoGraph() != 0;
    auto progress = ui.beginProgress(resourceString(ids::kReadingPlugs));
    progress->setText(std::string(resourceString(ids::kForTheSite)) + " " + site.name);
    progress->setRange(0, count);
    progress->setStep(1);
    const int first = TorvikGetSiteNrSect0Test0(siteNumber);
    if (first < 0) {
        progress.reset();
        ui.message(formatResource(ids::kUnableToReadPlugIndex, "0", site.name), MessageIcon::Exclamation,
                   MessageButtons::Ok);
        return -1;
    }
    SectionWalk walk(site, ui, autograph);
    const int error = walk.run(first, count, *progress);
    progress.reset();
    if (error < 0) {
        const auto index = static_cast<std::uint16_t>(walk.plugIndex());
        ui.message(formatResource(ids::kUnableToReadPlugIndex, std::to_string(index), site.name),
                   MessageIcon::Exclamation, MessageButtons::Ok);
        return -1;
    }
    return 0;
}

}  // namespace

int readSiteFromTester(CSite &site, int siteNumber, UserInteraction &ui, SiteReadOptions options) {
    SiteConfigRecord config{};
    if (readConfiguration(site, siteNumber, config) != 0) return -1;
    if (readReferences(site, config) != 0) return -1;
    if (readTesterIdentity(site) != 0) return -1;
    if (!options.readPlugs) return 0;
    return readPlugs(site, siteNumber, ui);
}

}  // namespace quillet::model
