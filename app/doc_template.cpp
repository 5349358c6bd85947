#include "doc_template.h"

#include <QFileDialog>

#include "quillet_strings.h"

namespace quillet {

CMultiDocTemplate::CMultiDocTemplate(int stringId) : strings_(parseDocTemplateStrings(resourceString(stringId))) {}

QString CMultiDocTemplate::promptOpenFileName(QWidget *parent) const {
    if (factory_) {
        if (auto path = factory_->promptOpenFileName(parent)) return *path;
    }
    return QFileDialog::getOpenFileName(parent, QFileDialog::tr("Open"), QString(), fileFilter(), nullptr,
                                        QFileDialog::ReadOnly);
}

CTestDocTemplate::CTestDocTemplate() : CMultiDocTemplate(ids::kAutotestDocStrings) {}
CGrphDocTemplate::CGrphDocTemplate() : CMultiDocTemplate(ids::kGraphDocStrings) {}
CNormDocTemplate::CNormDocTemplate() : CMultiDocTemplate(ids::kNormDocStrings) {}

}  // namespace quillet
