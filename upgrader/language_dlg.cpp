#include "language_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace rivo {

LanguageDlg::LanguageDlg(Language preselected, QWidget *parent) : QDialog(parent), chosen_(preselected)
{
    setWindowTitle(QStringLiteral("RIVO"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Sélectionnez votre langue")));
    layout->addWidget(new QLabel(QStringLiteral("Select your language")));
    auto *buttons = new QHBoxLayout;
    auto *french = new QPushButton(QStringLiteral("Français"));
    auto *english = new QPushButton(QStringLiteral("English"));
    buttons->addWidget(french);
    buttons->addWidget(english);
    layout->addLayout(buttons);
    (preselected == Language::French ? french : english)->setDefault(true);
    (preselected == Language::French ? french : english)->setFocus();
    connect(french, &QPushButton::clicked, this, [this] {
        chosen_ = Language::French;
        accept();
    });
    connect(english, &QPushButton::clicked, this, [this] {
        chosen_ = Language::English;
        accept();
    });
}

std::optional<Language> chooseLanguage(Language preselected)
{
    LanguageDlg dialog(preselected);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

Language profileLanguage()
{
    const QSettings profile(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Olbrin Applications"),
                            QStringLiteral("Quillet"));
    const QString language = profile.value(QStringLiteral("intl/sLanguage"), QStringLiteral("FRA")).toString();
    return language == QLatin1String("FRA") || language == QLatin1String("FRC") ? Language::French
                                                                                : Language::English;
}

}  // namespace rivo
