// The document interface through which a plot reads any document as up to
// 30 channels, and the view's further overridable answers (abscissa name,
// thinning, curve numbers, title...). A document window or a report derives
// from PlotDocument and overrides what it has; the base versions answer
// that there is no data.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillet::plot {

// The samples either side of an abscissa (GetDocBornesVoieAtDate).
struct Bracket {
    double beforeX = 0;
    int beforeIndex = 0;
    double afterX = 0;
    int afterIndex = 0;
};

class PlotDocument {
public:
    virtual ~PlotDocument() = default;

    // Channels are numbered from 0, value indexes too.
    virtual int GetDocNbVoies() const;
    virtual int IsDocVoieDispo(int channel) const;
    virtual std::string GetDocVoieMnemo(int channel) const;
    virtual std::string GetDocVoieUnit(int channel) const;
    // Display precision: decimals, 6 meaning automatic.
    virtual int GetDocVoieCapv(int channel) const;
    virtual int GetDocNbValeursVoie(int channel) const;
    // 0, or -1 when there is no such value (the value is then 0). `text`,
    // when given, receives the value formatted with the precision of
    // `slot`'s curve.
    virtual int GetDocIiemeValeurVoie(int channel, int index, double &value, int slot, std::string *text) const;
    virtual int GetDocIiemeDateVoie(int channel, int index, double &abscissa, int &isDate) const;
    // 0 when the samples either side of `abscissa` were found, else -1.
    virtual int GetDocBornesVoieAtDate(int channel, double abscissa, Bracket &bracket) const;
    // Values first .. first + count - 1 at once, for the statistics of long
    // curves: values[k] receives value first + k and read[k] whether it could
    // be read. The base version asks GetDocIiemeValeurVoie for each; a
    // document holding its values in an array answers much faster.
    virtual void readValues(int channel, int first, int count, double *values, unsigned char *read) const;

    // The view's further answers.
    virtual std::string abscissaName() const;  // "Time"
    virtual std::string abscissaUnit() const { return {}; }
    virtual bool thinsLongCurves() const { return true; }
    virtual bool writesCurveNumbers() const { return false; }
    // Landscape when the page is no wider than it is tall.
    virtual bool printsLandscape(double pageWidth, double pageHeight) const { return pageWidth <= pageHeight; }
    virtual std::string plotTitle() const { return {}; }
    virtual std::vector<std::string> plotComment() const { return {}; }
    // Decimals of the abscissa in labels and read-outs (6: automatic).
    virtual int abscissaDecimals() const { return 6; }
    // Set Scales shows the abscissa multiplied by this (0 counts as 1).
    virtual double abscissaDisplayFactor() const { return 1; }
};

// The walk every document can use for GetDocBornesVoieAtDate: samples whose
// abscissa is below `abscissa` become the "before" sample, the first that is
// not below it is the "after" one; below the first sample both are sample 0.
int bracketSamples(const PlotDocument &document, int channel, double abscissa, Bracket &bracket);

// Where a base version traces its own name ("GetDocNbVoies() à surcharger")
// in a diagnostic build; nothing by default.
void setPlotTrace(std::function<void(const std::string &)> trace);

}  // namespace quillet::plot
