#include "autotest_transfer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "quillet_strings.h"
#include "site_download.h"
#include "torvlink.h"

namespace quillet::model {
namespace {

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string listingDate(int day, int month, int year, const Regional &regional) {
    return localDate(twoDigits(day) + "/" + twoDigits(month) + "/" + twoDigits((year - 1900) % 100), regional);
}

// The listing line of a slot, or nothing for a slot without tested plugs.
std::optional<std::string> slotLine(int slot, const Regional &regional) {
    char name[17] = {};
    uint8_t day = 0, month = 0;
    uint16_t year = 0;
    if (TorvikGetSiteConfigSummaryEx(name, &day, &month, &year, slot) < 0) return std::nullopt;
    const int tests = TorvikGetSiteNbTests(slot);
    if (tests == 0) return std::nullopt;
    return twoDigits(slot + 1) + "\t" + name + "\t" + std::to_string(tests) + "\t" +
           listingDate(day, month, year, regional) + "\t";
}

void mergeSite(CSite &into, const CSite &from) {
    for (const CPrise &plug : from.plugs) {
        auto same = std::find_if(into.plugs.begin(), into.plugs.end(),
                                 [&](const CPrise &q) { return q.plugId == plug.plugId; });
        if (same == into.plugs.end())
            into.plugs.push_back(plug);
        else if (same->testTime <= plug.testTime)
            *same = plug;
    }
}

}  // namespace

std::optional<std::vector<std::string>> listTesterSites(UserInteraction &ui, const Regional &regional) {
    const int slots = TorvikGetNbSitesMax();
    if (slots < 0) return std::nullopt;
    auto progress = ui.beginProgress(resourceString(ids::kSearchingSites));
    progress->setRange(0, slots);
    progress->setStep(1);
    std::vector<std::string> lines;
    for (int slot = 0; slot < slots; ++slot) {
        if (progress->cancelled()) return std::nullopt;
        progress->step();
        if (auto line = slotLine(slot, regional)) lines.push_back(std::move(*line));
    }
    return lines;
}

int slotOfLine(const std::string &line) { return std::atoi(line.substr(0, 2).c_str()) - 1; }

std::string siteNameOfLine(const std::string &line) {
    const auto first = line.find('\t');
    if (first == std::string::npos) return "";
    const auto second = line.find('\t', first + 1);
    return line.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
}

std::vector<CSite> downloadSites(const std::vector<std::string> &chosenLines, UserInteraction &ui) {
    std::vector<CSite> sites;
    for (const std::string &line : chosenLines) {
        CSite site;
        const std::string name = siteNameOfLine(line);
        if (readSiteFromTester(site, slotOfLine(line), ui) < 0) {
            ui.message(formatResource(ids::kUnableToReadSite, name), MessageIcon::Exclamation, MessageButtons::Ok);
        } else if (site.plugs.empty()) {
            ui.message(formatResource(ids::kNoAutotestData, name), MessageIcon::Exclamation, MessageButtons::Ok);
        } else {
            sites.push_back(std::move(site));
        }
    }
    return sites;
}

void groupSites(std::vector<CSite> &fileSites, const std::vector<CSite> &downloaded, UserInteraction &ui) {
    for (const CSite &site : downloaded) {
        auto same = std::find_if(fileSites.begin(), fileSites.end(),
                                 [&](const CSite &d) { return d.name == site.name; });
        if (same == fileSites.end()) {
            fileSites.push_back(site);
            continue;
        }
        const Answer answer = ui.message(formatResource(ids::kReplaceSiteData, site.name), MessageIcon::Question,
                                         MessageButtons::YesNo);
        if (answer == Answer::Yes) mergeSite(*same, site);
    }
}

}  // namespace quillet::model
