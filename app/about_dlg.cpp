#include "about_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "cp1252.h"
#include "quillet_strings.h"
#include "torvlink.h"

namespace quillet {

ModuleVersion loadedLinkLibraryVersion() {
    char name[256];
    char revision[16];
    TorvlinkGetDllName(name, sizeof name);
    TorvlinkGetDllRev(revision, sizeof revision);
    return linkLibraryVersion(name, revision);
}

CAboutDlg::CAboutDlg(const ModuleVersion &program, const ModuleVersion &library, std::function<void()> updateTester,
                     QWidget *parent)
    : QDialog(parent),
      version_(new QLabel(fromUtf8(programVersionLine(program)))),
      copyright_(new QLabel(fromUtf8(program.legalCopyright))),
      specialBuild_(new QLabel(fromUtf8(program.specialBuild))),
      library_(new QLabel(fromCp1252(quillet::libraryVersionLine(library)))),
      update_(new QPushButton(tr("&Update Tester..."))),
      updateTester_(std::move(updateTester)) {
    setWindowTitle(tr("About %1").arg(QString::fromUtf8(resourceString(ids::kAppTitle))));
    auto *icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->addButton(update_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(update_, &QPushButton::clicked, this, &CAboutDlg::onUpdateTester);
    auto *grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(tr("Certification Software for TORVIK tester")), 0, 1);
    grid->addWidget(version_, 1, 1);
    grid->addWidget(copyright_, 2, 1);
    grid->addWidget(specialBuild_, 3, 1);
    grid->addWidget(library_, 4, 1);
    grid->addWidget(buttons, 5, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 320);
    specialBuild_->setVisible(!program.specialBuild.empty());
}

QString CAboutDlg::versionLine() const {
    return version_->text();
}
QString CAboutDlg::copyrightLine() const {
    return copyright_->text();
}
QString CAboutDlg::specialBuildLine() const {
    return specialBuild_->text();
}
QString CAboutDlg::libraryVersionLine() const {
    return library_->text();
}

void CAboutDlg::onUpdateTester() {
    if (updateTester_) updateTester_();
    accept();
}

}  // namespace quillet
