#include "graph_download.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include "graph_texts.h"
#include "measure_kind.h"
#include "plug_curves.h"
#include "quillet_strings.h"
#include "site.h"
#include "site_download.h"
#include "torvlink.h"

namespace quillet::graphs {
namespace {

using model::CGrphMes;
using model::MessageButtons;
using model::MessageIcon;
using model::UserInteraction;

std::string numbered(const char *format, int value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string boundedText(const char *text, std::size_t size) { return std::string(text, strnlen(text, size)); }

void tell(UserInteraction &ui, int textId) {
    ui.message(resourceString(textId), MessageIcon::Exclamation, MessageButtons::Ok);
}

// The pair text of a summary, "R" added for a curve of the remote end.
std::string summaryPair(const GraphSummaryRecord &summary) {
    return boundedText(summary.pairText, sizeof summary.pairText) + ((summary.bytes38[0] & 0x10) ? "R" : "");
}

std::string graphLine(int site, int graph, const std::string &siteName, const GraphSummaryRecord &summary,
                      const std::string &date) {
    const int kind = summary.bytes38[0] >> 5;
    return numbered("%02d", site + 1) + numbered("%03d", graph + 1) + "\t" + siteName + "\t" + summaryPair(summary) +
           "\t" + boundedText(summary.identifier, sizeof summary.identifier) + "\t" +
           std::string(model::kindName(kind, model::NameForm::Short)) + "\t" + date + "\t";
}

constexpr int kSectionSize = static_cast<int>(sizeof(SectionRecord));

// What the reading pass keeps per tester site.
struct SiteState {
    bool read = false;
    model::CSite site;
    std::array<bool, model::kind::kCount> limitAdded{};
};

// Decodes a graph's chain of sections into `curve`; false on a fault.
class GraphSections {
public:
    GraphSections(const model::CSite &site, std::string pairText)
        : site_(site), pairText_(std::move(pairText)), grid_(site.standard) {}

    bool read(int section, int count, CGrphMes &curve);

private:
    bool first(const std::uint8_t *bytes, CGrphMes &curve);
    bool steps(const std::uint8_t *steps, int count, int available, CGrphMes &curve);
    bool addPoint(CGrphMes &curve, double value);

    const model::CSite &site_;
    std::string pairText_;
    model::SweepGrid grid_;
    int point_ = 0;
    double running_ = 0;
};

bool GraphSections::read(int section, int count, CGrphMes &curve) {
    bool started = false;
    while (section != 0 && count > 0) {
        SectionRecord record{};
        if (TorvikGetSect(&record, section, site_.standard.flags) < 0) return false;
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(&record);
        switch (record.type & 3) {
        case 1:
            if (!first(bytes, curve)) return false;
            started = true;
            break;
        case 2:
            if (!started || !steps(bytes + 3, TorvikGetGraphSteNbd(), kSectionSize - 3, curve)) return false;
            break;
        default:
            return false;
        }
        section = record.next;
        --count;
    }
    return true;
}

bool GraphSections::first(const std::uint8_t *bytes, CGrphMes &curve) {
    const std::uint8_t identity = bytes[41];
    curve.kind = identity >> 5;
    curve.limitFlag = 0;
    curve.side = (identity & 0x10) ? 1 : 0;
    curve.pairCode = identity & 0x0F;
    curve.title = site_.name + ":" + boundedText(reinterpret_cast<const char *>(bytes + 3), 15) + ":" + pairText_ +
                  (curve.side ? "R" : "");
    std::memcpy(&curve.timeStamp, bytes + 37, sizeof curve.timeStamp);
    curve.verdictCode = bytes[42];
    curve.text2 = boundedText(reinterpret_cast<const char *>(bytes + 18), 19);
    point_ = 0;
    std::int16_t value = 0;
    std::memcpy(&value, bytes + 43, sizeof value);
    running_ = value / 8.0;
    if (!addPoint(curve, running_)) return false;
    return steps(bytes + 45, TorvikGetGraphFirstNbd(), kSectionSize - 45, curve);
}

bool GraphSections::steps(const std::uint8_t *steps, int count, int available, CGrphMes &curve) {
    count = std::min(count, available);  // a section never carries more steps than its bytes
    for (int i = 0; i < count && point_ < grid_.size(); ++i) {
        running_ += static_cast<std::int8_t>(steps[i]) / 8.0;
        if (!addPoint(curve, running_)) return false;
    }
    return true;
}

bool GraphSections::addPoint(CGrphMes &curve, double value) {
    if (point_ >= grid_.size()) return true;  // the sweep is full; further steps are padding
    const std::int32_t kHz = grid_.kHz(point_);
    if (kHz == 0) return false;
    curve.frequencies.Add(static_cast<float>(kHz / 1000.0));
    curve.values.Add(static_cast<float>(value));
    ++point_;
    return true;
}

void readIdentity(model::GraphFile &file) {
    char maker[29] = {}, modelName[29] = {}, serial[20] = {}, revision[5] = {};
    if (TorvikGetId(maker, modelName, serial, revision) == 0) {
        file.testerMaker = maker, file.testerModel = modelName, file.testerSerial = serial,
        file.testerRevision = revision;
    }
    char user[17] = {}, company[17] = {};
    if (TorvikGetUserId(user, company) == 0) file.user = user, file.company = company;
}

class ReadingPass {
public:
    explicit ReadingPass(UserInteraction &ui) : ui_(ui) {}
    void readLine(const std::string &line, model::Progress &progress);
    GraphDownload &result() { return result_; }

private:
    SiteState *siteOf(const std::string &line, int site, model::Progress &progress);

    UserInteraction &ui_;
    std::map<int, SiteState> sites_;
    GraphDownload result_;
};

SiteState *ReadingPass::siteOf(const std::string &line, int site, model::Progress &progress) {
    SiteState &state = sites_[site];
    if (state.read) return &state;
    char name[17] = {};
    std::uint8_t day = 0, month = 0;
    std::uint16_t year = 0;
    TorvikGetSiteConfigSummaryEx(name, &day, &month, &year, site);
    progress.setText(std::string(resourceString(kSiteText)) + ": " + name);
    state.site = model::CSite{};
    if (model::readSiteFromTester(state.site, site, ui_, {.readPlugs = false}) != 0) {
        const auto first = line.find('\t');
        const auto second = line.find('\t', first + 1);
        ui_.message(formatResource(ids::kUnableToReadSite, line.substr(first + 1, second - first - 1)),
                    MessageIcon::Exclamation, MessageButtons::Ok);
        return nullptr;
    }
    state.read = true;
    auto &list = result_.file.siteList;
    list += (list.empty() ? "" : ", ") + state.site.name;
    if (result_.title.empty()) result_.title = state.site.name;
    return &state;
}

void ReadingPass::readLine(const std::string &line, model::Progress &progress) {
    const int site = siteOfGraphLine(line);
    const int graph = graphOfGraphLine(line);
    SiteState *state = siteOf(line, site, progress);
    if (!state) return;
    GraphSummaryRecord summary{};
    if (TorvikGetSiteGrphSummary(&summary, site, graph) != 0) return tell(ui_, kUnableToReadGraphs);
    progress.setText(std::string(resourceString(kGraphText)) + ": " +
                     boundedText(summary.identifier, sizeof summary.identifier));
    std::int16_t count = 0;
    const int first = TorvikGetSiteNrSect0Grph(&count, site, graph);
    CGrphMes curve;
    GraphSections sections(state->site, boundedText(summary.pairText, sizeof summary.pairText));
    if (first < 0 || !sections.read(first, count, curve)) return tell(ui_, kUnableToReadGraphs);
    const int kind = curve.kind;
    if (kind >= 0 && kind < model::kind::kCount && !state->limitAdded[kind]) {
        auto limit = model::limitCurveAt(state->site.standard, kind, curve.frequencies.values());
        if (limit && limit->values.GetSize() > 0) {
            result_.file.curves.push_back(std::move(*limit));
            state->limitAdded[kind] = true;
        }
    }
    if (curve.values.GetSize() > 0) result_.file.curves.push_back(std::move(curve));
}

}  // namespace

std::optional<std::vector<std::string>> listTesterGraphs(UserInteraction &ui, const Regional &regional) {
    const int sites = TorvikGetNbSitesMax();
    if (sites < 0) return std::nullopt;
    std::vector<int> graphCounts;
    int total = 0;
    for (int s = 0; s < sites; ++s) {
        graphCounts.push_back(std::max(0, TorvikGetSiteNbGrphs(s)));
        total += graphCounts.back();
    }
    auto progress = ui.beginProgress(resourceString(kSearchingGraphs));
    progress->setRange(0, total);
    progress->setStep(1);
    std::vector<std::string> lines;
    for (int s = 0; s < sites; ++s) {
        if (progress->cancelled()) return std::nullopt;
        char name[17] = {};
        std::uint8_t day = 0, month = 0;
        std::uint16_t year = 0;
        if (TorvikGetSiteConfigSummaryEx(name, &day, &month, &year, s) < 0) continue;
        progress->setText(std::string(resourceString(ids::kForTheSite)) + " " + name);
        const std::string date = localDate(
            numbered("%02d", day) + "/" + numbered("%02d", month) + "/" + numbered("%02d", (year - 1900) % 100),
            regional);
        for (int g = 0; g < graphCounts[static_cast<std::size_t>(s)]; ++g) {
            if (progress->cancelled()) return std::nullopt;
            progress->step();
            GraphSummaryRecord summary{};
            if (TorvikGetSiteGrphSummary(&summary, s, g) != 0) {
                tell(ui, kNoGraphsAvailable);
                continue;
            }
            lines.push_back(graphLine(s, g, name, summary, date));
        }
    }
    return lines;
}

int siteOfGraphLine(const std::string &line) { return std::atoi(line.substr(0, 2).c_str()) - 1; }

int graphOfGraphLine(const std::string &line) {
    return line.size() < 5 ? -1 : std::atoi(line.substr(2, 3).c_str()) - 1;
}

std::optional<GraphDownload> downloadGraphs(const std::vector<std::string> &chosenLines, UserInteraction &ui) {
    ReadingPass pass(ui);
    readIdentity(pass.result().file);
    {
        auto progress = ui.beginProgress(resourceString(kReadingGraphs));
        progress->setRange(0, static_cast<int>(chosenLines.size()));
        progress->setStep(1);
        for (const std::string &line : chosenLines) {
            if (progress->cancelled()) break;
            progress->step();
            pass.readLine(line, *progress);
        }
    }
    if (pass.result().file.curves.empty()) return std::nullopt;
    return std::move(pass.result());
}

std::optional<GraphDownload> runGraphDownload(UserInteraction &ui, const Regional &regional,
                                              bool &saveAfterTransfer) {
    for (;;) {
        const auto lines = listTesterGraphs(ui, regional);
        if (!lines) return std::nullopt;
        if (lines->empty()) {
            tell(ui, kNoGraphsAvailable);
            return std::nullopt;
        }
        const auto selection = ui.select({.dialogId = 114, .lines = *lines, .fileName = {}});
        if (!selection) return std::nullopt;
        if (selection->chosen.empty()) {
            tell(ui, kNoSelectedGraph);
            continue;
        }
        std::vector<std::string> chosen;
        for (std::size_t index : selection->chosen) chosen.push_back((*lines)[index]);
        saveAfterTransfer = selection->saveAfterTransfer;
        return downloadGraphs(chosen, ui);
    }
}

}  // namespace quillet::graphs
