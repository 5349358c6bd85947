#include "graph_curves.h"

#include "measure_kind.h"
#include "quillet_strings.h"
#include "test_time.h"

namespace quillet::graphs {

std::string curveDisplayName(const model::CGrphMes &curve, const Regional &regional) {
    std::string name = curve.title + ":" + std::string(model::kindName(curve.kind, model::NameForm::Short)) + ":";
    if (curve.timeStamp == 0) {
        name += " ";
    } else {
        const std::string text = model::testTimeText(curve.timeStamp, model::TimeForm::DateAndTime, regional);
        name += text.substr(0, text.find(' '));
    }
    name += ":";
    const int verdict = curve.verdictCode;
    if (verdict < 0 || verdict > 3) {
        name += " ";
    } else {
        name += resourceString(verdict >= 2 ? ids::kPass : ids::kFail);
        if (verdict == 1 || verdict == 2) name += "*";
    }
    return name;
}

}  // namespace quillet::graphs
