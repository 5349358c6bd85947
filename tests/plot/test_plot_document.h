// A small document for the plot tests: channels of (abscissa, value)
// samples held in memory; a value can be marked as failing to read.
#pragma once

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "plot_document.h"

namespace quillet::test {

struct TestChannel {
    std::string name, unit = "V";
    int precision = 2;
    std::vector<double> x, y;
    std::set<int> failing;  // indexes whose value cannot be read
};

class TestPlotDocument : public plot::PlotDocument {
public:
    std::vector<TestChannel> channels;
    bool dates = false;
    bool numbers = false;
    std::string title = "Test plot";

    // n samples of f over [x0, x1].
    template <class F> TestChannel &add(const std::string &name, int n, double x0, double x1, F f) {
        TestChannel channel;
        channel.name = name;
        for (int i = 0; i < n; ++i) {
            const double x = n > 1 ? x0 + (x1 - x0) * i / (n - 1) : x0;
            channel.x.push_back(x);
            channel.y.push_back(f(x));
        }
        channels.push_back(channel);
        return channels.back();
    }

    int GetDocNbVoies() const override { return static_cast<int>(channels.size()); }
    std::string GetDocVoieMnemo(int c) const override { return valid(c) ? channels[c].name : std::string(); }
    std::string GetDocVoieUnit(int c) const override { return valid(c) ? channels[c].unit : std::string(); }
    int GetDocVoieCapv(int c) const override { return valid(c) ? channels[c].precision : 0; }
    int GetDocNbValeursVoie(int c) const override { return valid(c) ? static_cast<int>(channels[c].y.size()) : 0; }
    int GetDocIiemeValeurVoie(int c, int i, double &value, int, std::string *text) const override {
        value = 0;
        if (!valid(c)) return -1;
        const TestChannel &channel = channels[c];
        if (i < 0 || i >= static_cast<int>(channel.y.size()) || (!channel.failing.empty() && channel.failing.count(i))) {
            return -1;
        }
        value = channel.y[static_cast<std::size_t>(i)];
        if (text) *text = std::to_string(value);
        return 0;
    }
    void readValues(int c, int first, int count, double *values, unsigned char *read) const override {
        if (!valid(c) || first < 0 || first + count > GetDocNbValeursVoie(c)) {
            plot::PlotDocument::readValues(c, first, count, values, read);
            return;
        }
        const TestChannel &channel = channels[c];
        for (int k = 0; k < count; ++k) {
            values[k] = channel.y[static_cast<std::size_t>(first + k)];
            read[k] = channel.failing.empty() || !channel.failing.count(first + k);
        }
    }
    int GetDocIiemeDateVoie(int c, int i, double &x, int &isDate) const override {
        x = 0;
        isDate = dates ? 1 : 0;
        if (!valid(c) || i < 0 || i >= GetDocNbValeursVoie(c)) return -1;
        x = channels[c].x[static_cast<std::size_t>(i)];
        return 0;
    }
    int GetDocBornesVoieAtDate(int c, double x, plot::Bracket &bracket) const override {
        return plot::bracketSamples(*this, c, x, bracket);
    }
    std::string abscissaName() const override { return dates ? plot::PlotDocument::abscissaName() : "Frequency"; }
    std::string abscissaUnit() const override { return dates ? "" : "MHz"; }
    bool writesCurveNumbers() const override { return numbers; }
    std::string plotTitle() const override { return title; }

private:
    bool valid(int c) const { return c >= 0 && c < static_cast<int>(channels.size()); }
};

}  // namespace quillet::test
