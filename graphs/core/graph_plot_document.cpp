#include "graph_plot_document.h"

#include <cstdio>

#include "curve_colours.h"
#include "graph_curves.h"
#include "graph_texts.h"
#include "quillet_strings.h"
#include "tester_text.h"

namespace quillet::graphs {

GraphPlotDocument::GraphPlotDocument(const model::GraphFile &file, std::string title, const Regional &regional)
    : file_(&file), title_(std::move(title)), regional_(regional) {}

const model::CGrphMes *GraphPlotDocument::curve(int channel) const {
    if (channel < 0 || static_cast<std::size_t>(channel) >= file_->curves.size()) return nullptr;
    return &file_->curves[static_cast<std::size_t>(channel)];
}

int GraphPlotDocument::GetDocNbVoies() const { return static_cast<int>(file_->curves.size()); }

int GraphPlotDocument::IsDocVoieDispo(int) const { return 1; }

std::string GraphPlotDocument::GetDocVoieMnemo(int channel) const {
    if (const auto *c = curve(channel)) return cp1252ToUtf8(curveDisplayName(*c, regional_));
    char name[24];
    std::snprintf(name, sizeof name, "Voie%03d", channel + 1);
    return name;
}

std::string GraphPlotDocument::GetDocVoieUnit(int) const { return "dB"; }

int GraphPlotDocument::GetDocVoieCapv(int) const { return 1; }

int GraphPlotDocument::GetDocNbValeursVoie(int channel) const {
    const auto *c = curve(channel);
    return c ? c->values.GetSize() : 0;
}

int GraphPlotDocument::GetDocIiemeValeurVoie(int channel, int index, double &value, int, std::string *text) const {
    value = -1;
    const auto *c = curve(channel);
    if (!c || index < 0 || index >= c->values.GetSize()) return -1;
    value = c->values.GetAt(index);
    if (text) *text = NumberFormat(regional_.decimal).fixed(value, 8, 1, true);
    return 0;
}

int GraphPlotDocument::GetDocIiemeDateVoie(int channel, int index, double &abscissa, int &isDate) const {
    abscissa = -1;
    isDate = 0;
    const auto *c = curve(channel);
    if (!c || index < 0 || index >= c->frequencies.GetSize()) return -1;
    abscissa = c->frequencies.GetAt(index);
    return 0;
}

// The frequencies are walked as they are; the abscissa is not first
// compared with the number of samples, which would move markers of curves
// above a few hundred MHz to a lower frequency.
int GraphPlotDocument::GetDocBornesVoieAtDate(int channel, double abscissa, plot::Bracket &bracket) const {
    return plot::bracketSamples(*this, channel, abscissa, bracket);
}

void GraphPlotDocument::readValues(int channel, int first, int count, double *values, unsigned char *read) const {
    const auto *c = curve(channel);
    for (int k = 0; k < count; ++k) {
        const int index = first + k;
        read[k] = c && index >= 0 && index < c->values.GetSize();
        values[k] = read[k] ? c->values.GetAt(index) : -1;
    }
}

std::string GraphPlotDocument::abscissaName() const { return resourceString(kFrequency); }

std::string GraphPlotDocument::plotTitle() const {
    return cp1252ToUtf8(file_->representationTitle.empty() ? title_ : file_->representationTitle);
}

std::vector<std::string> GraphPlotDocument::plotComment() const {
    std::vector<std::string> lines;
    for (const std::string &line : file_->commentLines) lines.push_back(cp1252ToUtf8(line));
    return lines;
}

std::vector<plot::Rgb> graphSlotColours() {
    std::vector<plot::Rgb> colours;
    for (int slot = 0; slot < 30; ++slot) colours.push_back(plot::graphCurveColour(slot));
    return colours;
}

void showCurves(plot::PlotModel &model, const std::vector<int> &channels) {
    std::vector<plot::ChannelChoice> choices;
    for (int channel : channels) {
        if (choices.size() == 30) break;
        choices.push_back({channel, 1});
    }
    model.state().inverted = true;
    model.takeTitleFromDocument();
    const auto colours = graphSlotColours();
    model.assignChannels(choices, colours);
}

void showAllCurves(plot::PlotModel &model) {
    std::vector<int> channels;
    for (const auto &choice : model.availableChannels()) channels.push_back(choice.channel);
    showCurves(model, channels);
}

}  // namespace quillet::graphs
