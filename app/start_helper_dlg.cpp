#include "start_helper_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "command_ids.h"
#include "profile_settings.h"

namespace quillet {
namespace {

const QString kSection = QStringLiteral("Start");
const QString kKey = QStringLiteral("Assist");

// The commands of the four choices, in their order on screen.
constexpr int kChoiceCommands[] = {cmd::kAutotestsDownload, cmd::kGraphsDownload, cmd::kAutotestsOpen,
                                   cmd::kGraphsOpen};

}  // namespace

bool startingHelperWanted() {
    return Profile().readInt(kSection, kKey, 1) != 0;
}

CStartHelperDlg::CStartHelperDlg(QWidget *parent)
    : QDialog(parent), choices_(new QButtonGroup(this)), dontShow_(new QCheckBox(tr("Don't &show this starting helper"))) {
    setWindowTitle(tr("What do you want to do?"));
    auto *layout = new QVBoxLayout(this);
    const QString texts[] = {tr("Download &Autotests"), tr("Download &Graphs"), tr("&Open an existing Autotest file"),
                             tr("O&pen an existing Graph file")};
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(texts[i]);
        choices_->addButton(radio, i);
        layout->addWidget(radio);
    }
    choices_->button(0)->setChecked(true);
    layout->addSpacing(8);
    layout->addWidget(dontShow_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    buttons->button(QDialogButtonBox::Help)->setEnabled(false);  // no help file is installed
    connect(buttons, &QDialogButtonBox::accepted, this, &CStartHelperDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(dontShow_, &QCheckBox::clicked, this, &CStartHelperDlg::onDontShow);
}

void CStartHelperDlg::onDontShow() {
    dontShowWish_ = true;
    reject();
}

void CStartHelperDlg::accept() {
    const int choice = choices_->checkedId();
    if (choice >= 0) chosen_ = kChoiceCommands[choice];
    QDialog::accept();
}

void CStartHelperDlg::done(int result) {
    Profile().writeInt(kSection, kKey, dontShowWish_ ? 0 : 1);
    QDialog::done(result);
}

}  // namespace quillet
