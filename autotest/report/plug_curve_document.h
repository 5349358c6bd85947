// The curves of one slot of a plug (a measurement on one side: its limit
// curve and one curve per pair or combination) read by the plotting
// component as channels over frequency, for the report's small plots.
#pragma once

#include <vector>

#include "grph_mes.h"
#include "plot_document.h"

namespace quillet::autotest {

class PlugCurveDocument : public plot::PlotDocument {
public:
    explicit PlugCurveDocument(const std::vector<model::CGrphMes> &curves) : curves_(curves) {}

    int GetDocNbVoies() const override;
    int IsDocVoieDispo(int channel) const override;
    std::string GetDocVoieMnemo(int channel) const override;
    std::string GetDocVoieUnit(int channel) const override;
    int GetDocVoieCapv(int channel) const override;
    int GetDocNbValeursVoie(int channel) const override;
    int GetDocIiemeValeurVoie(int channel, int index, double &value, int slot, std::string *text) const override;
    int GetDocIiemeDateVoie(int channel, int index, double &abscissa, int &isDate) const override;
    int GetDocBornesVoieAtDate(int channel, double abscissa, plot::Bracket &bracket) const override;
    std::string abscissaName() const override;
    std::string abscissaUnit() const override { return "MHz"; }

private:
    const model::CGrphMes *curve(int channel) const;

    const std::vector<model::CGrphMes> &curves_;
};

}  // namespace quillet::autotest
