#include "autotest_transfer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "query_retry.h"
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

// The listing line of a slot, or an empty line for a slot without tested
// plugs; nothing when the tester could not be asked.
std::optional<std::string> slotLine(int slot, const Regional &regional, const std::function<bool()> &cancelled) {
    char name[17] = {};
    uint8_t day = 0, month = 0;
    uint16_t year = 0;
    int result = 0;
    const QueryEnd summary = runWithRetries(
        [&] { return TorvikGetSiteConfigSummaryEx(name, &day, &month, &year, slot); }, cancelled, result);
    if (summary == QueryEnd::LineFault) return std::nullopt;
    if (summary == QueryEnd::Failed) return std::string();
    int tests = 0;
    if (runWithRetries([&] { return TorvikGetSiteNbTests(slot); }, cancelled, tests) == QueryEnd::LineFault)
        return std::nullopt;
    if (tests == 0) return std::string();
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
    bool stop = false;
    const auto cancelled = [&] { return stop = stop || progress->cancelled() || ui.cancelRequested(); };
    std::vector<std::string> lines;
    for (int slot = 0; slot < slots; ++slot) {
        if (cancelled()) return std::nullopt;
        progress->step();
        auto line = slotLine(slot, regional, cancelled);
        if (!line) return std::nullopt;
        if (!line->empty()) lines.push_back(std::move(*line));
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
    DownloadReport report;
    return downloadSites(chosenLines, ui, report);
}

std::vector<CSite> downloadSites(const std::vector<std::string> &chosenLines, UserInteraction &ui,
                                 DownloadReport &report) {
    std::vector<CSite> sites;
    for (const std::string &line : chosenLines) {
        const std::string name = siteNameOfLine(line);
        if (report.cancelled || report.lineLost || ui.cancelRequested()) {
            report.cancelled = report.cancelled || !report.lineLost;
            report.unreadSites.push_back(name);
            ui.message(formatResource(ids::kSiteNotRead, name), MessageIcon::Exclamation, MessageButtons::Ok);
            continue;
        }
        CSite site;
        const SiteReadResult read = readSite(site, slotOfLine(line), ui);
        report.cancelled = read.end == SiteReadEnd::Cancelled;
        report.lineLost = read.end == SiteReadEnd::LineLost;
        const bool cutShort = read.end != SiteReadEnd::Complete;
        if (cutShort && !site.plugs.empty()) {
            report.incompleteSites.push_back(name);
            ui.message(formatResource(ids::kSiteIncomplete, name, std::to_string(site.plugs.size())),
                       MessageIcon::Exclamation, MessageButtons::Ok);
            sites.push_back(std::move(site));
        } else if (cutShort) {
            report.unreadSites.push_back(name);
            const int text = read.end == SiteReadEnd::Cancelled ? ids::kSiteNotRead : ids::kUnableToReadSite;
            ui.message(formatResource(text, name), MessageIcon::Exclamation, MessageButtons::Ok);
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
