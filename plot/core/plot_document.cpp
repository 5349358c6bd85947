#include "plot_document.h"

#include "plot_texts.h"
#include "quillet_strings.h"

namespace quillet::plot {
namespace {

std::function<void(const std::string &)> &traceSink() {
    static std::function<void(const std::string &)> sink;
    return sink;
}

// Only a diagnostic build says that a document left an operation to the base.
void traceBase([[maybe_unused]] const char *operation) {
#ifndef NDEBUG
    if (traceSink()) traceSink()(std::string(operation) + "() \xC3\xA0 surcharger");
#endif
}

}  // namespace

void setPlotTrace(std::function<void(const std::string &)> trace) { traceSink() = std::move(trace); }

int PlotDocument::GetDocNbVoies() const {
    traceBase("GetDocNbVoies");
    return 0;
}

int PlotDocument::IsDocVoieDispo(int) const {
    traceBase("IsDocVoieDispo");
    return 1;
}

std::string PlotDocument::GetDocVoieMnemo(int) const {
    traceBase("GetDocVoieMnemo");
    return {};
}

std::string PlotDocument::GetDocVoieUnit(int) const {
    traceBase("GetDocVoieUnit");
    return {};
}

int PlotDocument::GetDocVoieCapv(int) const {
    traceBase("GetDocVoieCapv");
    return 0;
}

int PlotDocument::GetDocNbValeursVoie(int) const {
    traceBase("GetDocNbValeursVoie");
    return 0;
}

int PlotDocument::GetDocIiemeValeurVoie(int, int, double &value, int, std::string *) const {
    traceBase("GetDocIiemeValeurVoie");
    value = 0;
    return -1;
}

int PlotDocument::GetDocIiemeDateVoie(int, int, double &abscissa, int &isDate) const {
    traceBase("GetDocIiemeDateVoie");
    abscissa = 0;
    isDate = 0;
    return -1;
}

int PlotDocument::GetDocBornesVoieAtDate(int, double, Bracket &bracket) const {
    traceBase("GetDocBornesVoieAtDate");
    bracket = {};
    return -1;
}

void PlotDocument::readValues(int channel, int first, int count, double *values, unsigned char *read) const {
    for (int k = 0; k < count; ++k) read[k] = GetDocIiemeValeurVoie(channel, first + k, values[k], -1, nullptr) >= 0;
}

std::string PlotDocument::abscissaName() const { return resourceString(texts::kTime); }

int bracketSamples(const PlotDocument &document, int channel, double abscissa, Bracket &bracket) {
    bracket = {};
    const int count = document.GetDocNbValeursVoie(channel);
    for (int i = 0; i < count; ++i) {
        double x = 0;
        int isDate = 0;
        if (document.GetDocIiemeDateVoie(channel, i, x, isDate) < 0) continue;
        if (x < abscissa) {
            bracket.beforeX = x;
            bracket.beforeIndex = i;
            continue;
        }
        bracket.afterX = x;
        bracket.afterIndex = i;
        if (i == 0) bracket.beforeX = x;  // below the first sample: both are sample 0
        return 0;
    }
    return -1;
}

}  // namespace quillet::plot
