// A graph document as the plot reads it: one channel per curve, values in
// dB over the frequency in MHz, the curves' display names, the document's
// title and comment lines, curve numbers on the curves, ordinates inverted
// (greater losses lower) and the graph windows' cycle of thirteen colours.
#pragma once

#include <string>
#include <vector>

#include "graph_file.h"
#include "plot_document.h"
#include "plot_model.h"
#include "regional.h"

namespace quillet::graphs {

class GraphPlotDocument : public plot::PlotDocument {
public:
    // `file` must outlive the plot document; `title` is the document's
    // title (Windows-1252), shown when the representation title is empty.
    GraphPlotDocument(const model::GraphFile &file, std::string title, const Regional &regional);

    void setTitle(std::string title) { title_ = std::move(title); }
    const model::GraphFile &file() const { return *file_; }

    int GetDocNbVoies() const override;
    int IsDocVoieDispo(int channel) const override;
    std::string GetDocVoieMnemo(int channel) const override;
    std::string GetDocVoieUnit(int channel) const override;
    int GetDocVoieCapv(int channel) const override;
    int GetDocNbValeursVoie(int channel) const override;
    int GetDocIiemeValeurVoie(int channel, int index, double &value, int slot, std::string *text) const override;
    int GetDocIiemeDateVoie(int channel, int index, double &abscissa, int &isDate) const override;
    int GetDocBornesVoieAtDate(int channel, double abscissa, plot::Bracket &bracket) const override;
    void readValues(int channel, int first, int count, double *values, unsigned char *read) const override;

    std::string abscissaName() const override;
    std::string abscissaUnit() const override { return "MHz"; }
    bool writesCurveNumbers() const override { return true; }
    std::string plotTitle() const override;
    std::vector<std::string> plotComment() const override;

private:
    const model::CGrphMes *curve(int channel) const;

    const model::GraphFile *file_;
    std::string title_;
    Regional regional_;
};

// The graph view's colours of the thirty slots: its cycle of thirteen.
std::vector<plot::Rgb> graphSlotColours();

// A plot of the document as the graph view first shows it: the available
// curves in document order (at most 30), all on scale 1, the graph colours,
// ordinates inverted.
void showAllCurves(plot::PlotModel &model);
// The same for the curves of the given channels, in that order.
void showCurves(plot::PlotModel &model, const std::vector<int> &channels);

}  // namespace quillet::graphs
