#include "plug_curve_document.h"

#include "quillet_strings.h"

namespace quillet::autotest {

const model::CGrphMes *PlugCurveDocument::curve(int channel) const {
    if (channel < 0 || static_cast<std::size_t>(channel) >= curves_.size()) return nullptr;
    return &curves_[static_cast<std::size_t>(channel)];
}

int PlugCurveDocument::GetDocNbVoies() const { return static_cast<int>(curves_.size()); }

int PlugCurveDocument::IsDocVoieDispo(int channel) const { return curve(channel) ? 1 : 0; }

std::string PlugCurveDocument::GetDocVoieMnemo(int channel) const {
    const model::CGrphMes *c = curve(channel);
    return c ? c->title : std::string();
}

std::string PlugCurveDocument::GetDocVoieUnit(int channel) const { return curve(channel) ? "dB" : ""; }

int PlugCurveDocument::GetDocVoieCapv(int channel) const { return curve(channel) ? 1 : 0; }

int PlugCurveDocument::GetDocNbValeursVoie(int channel) const {
    const model::CGrphMes *c = curve(channel);
    return c ? std::min(c->values.GetSize(), c->frequencies.GetSize()) : 0;
}

int PlugCurveDocument::GetDocIiemeValeurVoie(int channel, int index, double &value, int, std::string *text) const {
    value = 0;
    if (index < 0 || index >= GetDocNbValeursVoie(channel)) return -1;
    value = curve(channel)->values.GetAt(index);
    if (text) *text = std::to_string(value);
    return 0;
}

int PlugCurveDocument::GetDocIiemeDateVoie(int channel, int index, double &abscissa, int &isDate) const {
    abscissa = 0;
    isDate = 0;
    if (index < 0 || index >= GetDocNbValeursVoie(channel)) return -1;
    abscissa = curve(channel)->frequencies.GetAt(index);
    return 0;
}

int PlugCurveDocument::GetDocBornesVoieAtDate(int channel, double abscissa, plot::Bracket &bracket) const {
    return plot::bracketSamples(*this, channel, abscissa, bracket);
}

std::string PlugCurveDocument::abscissaName() const { return resourceString(232); }

}  // namespace quillet::autotest
