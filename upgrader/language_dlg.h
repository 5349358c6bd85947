// The language choice ("RIVO"), shown when the command line has no "-l".
#pragma once

#include <QDialog>
#include <optional>

#include "texts.h"

namespace rivo {

class LanguageDlg : public QDialog {
    Q_OBJECT
public:
    LanguageDlg(Language preselected, QWidget *parent = nullptr);
    Language chosen() const { return chosen_; }

private:
    Language chosen_;
};

// Nothing when the window was closed without a choice.
std::optional<Language> chooseLanguage(Language preselected);

// French when the profile's "intl"/"sLanguage" is "FRA" or "FRC" (a missing
// entry counts as "FRA"), English otherwise.
Language profileLanguage();

}  // namespace rivo
