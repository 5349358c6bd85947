#include "test_doc.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "autotest_transfer.h"
#include "cp1252.h"
#include "document_header.h"
#include "message_prompt.h"
#include "plug_commands.h"
#include "quillet_strings.h"
#include "regional.h"
#include "test_doc_template.h"
#include "three_buttons_dlg.h"
#include "torvlink.h"

namespace quillet::autotest {
namespace {

std::string localPath(const QString &path) { return QFile::encodeName(path).toStdString(); }

// The wait cursor around a file operation.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

std::string twoDigits(std::size_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%02zu", value);
    return text;
}

}  // namespace

CTestDoc::CTestDoc(CTestDocTemplate &type, AutotestEnvironment &env) : type_(type), env_(env) {}

void CTestDoc::setPath(const QString &path) {
    path_ = path;
    setTitle(QFileInfo(path).fileName());
}

void CTestDoc::setTitle(const QString &title) {
    title_ = title;
    emit titleChanged();
}

void CTestDoc::setModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit modifiedChanged();
}

bool CTestDoc::download(model::UserInteraction &ui, bool &saveAfterTransfer) {
    if (!openTesterLink(env_.link())) return false;
    for (;;) {
        const auto lines = model::listTesterSites(ui, programRegional());
        if (!lines) break;  // cancelled, or the tester cannot count its sites
        if (lines->empty()) {
            ui.message(resourceString(ids::kNoSiteAvailable), model::MessageIcon::Exclamation,
                       model::MessageButtons::Ok);
            break;
        }
        const auto choice = ui.select({109, *lines, {}});
        if (!choice) break;
        if (choice->chosen.empty()) {
            ui.message(resourceString(ids::kNoSelectedSite), model::MessageIcon::Exclamation,
                       model::MessageButtons::Ok);
            continue;
        }
        std::vector<std::string> chosen;
        for (std::size_t index : choice->chosen) chosen.push_back((*lines)[index]);
        file_.sites = model::downloadSites(chosen, ui);
        saveAfterTransfer = choice->saveAfterTransfer;
        break;
    }
    TorvikCommClose();
    if (file_.sites.empty()) return false;
    setModified(true);
    emit contentChanged();
    return true;
}

bool CTestDoc::openDocument(const QString &path) {
    const std::string text = formatResource(274, toUtf8(path)) + ".\n";
    std::string why;
    {
        WaitCursor wait;
        const auto bytes = model::readWholeFile(localPath(path));
        if (!bytes) {
            why = bytes.error().what;
        } else if (const auto kind = model::documentKindOf(bytes.value(), localPath(path));
                   !kind || kind.value() != model::DocumentKind::Autotest) {
            why = resourceString(275);
        } else if (auto file = model::readAutotestFile<model::CSite>(bytes.value(), localPath(path)); !file) {
            why = file.error().what;
            if (file.error().offset) why += " at byte " + std::to_string(*file.error().offset);
        } else {
            file_ = std::move(file.value());
            displayFlags_.assign(file_.sites.size(), 0);
            return true;
        }
    }
    env_.prompt->show(toUtf8(appTitle()), text + why + ".", MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

bool CTestDoc::save() {
    if (path_.isEmpty()) {
        const SaveOutcome outcome = saveAs();
        return outcome == SaveOutcome::Saved || outcome == SaveOutcome::Grouped;
    }
    return saveTo(path_);
}

SaveOutcome CTestDoc::saveAs() {
    QString proposed = path_.isEmpty() ? fromUtf8(proposedFileName(toUtf8(title_), 8, ".tat")) : path_;
    const QString caption = QFileDialog::tr("Save As");
    for (;;) {
        QString chosen = chooseSaveFile(env_, {caption, type_.fileFilter(), proposed});
        if (chosen.isEmpty()) return SaveOutcome::Cancelled;
        if (QFileInfo(chosen).suffix().isEmpty()) chosen += QStringLiteral(".tat");
        if (!QFileInfo::exists(chosen)) return saveTo(chosen) ? SaveOutcome::Saved : SaveOutcome::Failed;
        const QString question = fromUtf8(formatResource(140, toUtf8(QFileInfo(chosen).fileName())));
        const int answer = askThreeButtons(env_, caption, question,
                                           {QString::fromUtf8(resourceString(141)),
                                            QString::fromUtf8(resourceString(142)),
                                            QString::fromUtf8(resourceString(143))});
        if (answer == C3ButtonsDlg::kButton1)
            return type_.groupInto(*this, chosen) ? SaveOutcome::Grouped : SaveOutcome::Failed;
        if (answer == C3ButtonsDlg::kButton2) return saveTo(chosen) ? SaveOutcome::Saved : SaveOutcome::Failed;
        proposed = chosen;
    }
}

// The previous file stays as it was when the save fails: the file is
// written beside it and renamed over it only once complete.
bool CTestDoc::saveTo(const QString &path) {
    model::SaveResult saved = [&] {
        WaitCursor wait;
        return model::saveAutotestFile(localPath(path), file_);
    }();
    if (!saved) return reportSaveFailure(path, saved.error().what);
    setPath(path);
    setModified(false);
    if (env_.addRecentFile) env_.addRecentFile(path);
    return true;
}

bool CTestDoc::reportSaveFailure(const QString &path, const std::string &why) {
    const QString text = tr("Unable to save the file \"%1\":\n%2.").arg(path, fromUtf8(why));
    env_.prompt->show(toUtf8(appTitle()), toUtf8(text), MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

bool CTestDoc::mergeInto(const QString &path, model::UserInteraction &ui) {
    CTestDoc target(type_, env_);
    if (!target.openDocument(path)) return false;
    model::groupSites(target.file_.sites, file_.sites, ui);
    return target.saveTo(path);
}

void CTestDoc::setComment(const std::string &comment) {
    file_.comment = comment;
    setModified(true);
}

void CTestDoc::setSiteComment(std::size_t site, const std::string &comment) {
    if (site >= file_.sites.size()) return;
    file_.sites[site].comment = comment;
    setModified(true);
    emit contentChanged();
}

void CTestDoc::deleteSites(std::vector<std::size_t> sites) {
    std::sort(sites.rbegin(), sites.rend());
    for (std::size_t site : sites) {
        if (site >= file_.sites.size()) continue;
        file_.sites.erase(file_.sites.begin() + static_cast<std::ptrdiff_t>(site));
        if (site < displayFlags_.size()) displayFlags_.erase(displayFlags_.begin() + static_cast<std::ptrdiff_t>(site));
    }
    if (!sites.empty()) setModified(true);
}

void CTestDoc::plugsRenamed(std::size_t) {
    setModified(true);
    emit contentChanged();
}

void CTestDoc::plugsReordered(std::size_t site) {
    setModified(true);
    emit plugsSorted(site);
}

bool CTestDoc::saveModified() {
    if (!modified_) return true;
    const QString text = tr("Save changes to %1?").arg(title_);
    switch (env_.prompt->show(toUtf8(appTitle()), toUtf8(text), MessageIcon::Exclamation,
                              MessageButtons::YesNoCancel)) {
    case MessageResult::Yes: return save();
    case MessageResult::No: return true;
    default: return false;
    }
}

std::vector<std::string> CTestDoc::siteLines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < file_.sites.size(); ++i) {
        const model::CSite &site = file_.sites[i];
        lines.push_back(twoDigits(i + 1) + "\t" + site.name + "\t" + std::to_string(site.plugs.size()) + "\t" +
                        site.testTimeText(model::TimeForm::DateOnly, programRegional()) + "\t");
    }
    return lines;
}

}  // namespace quillet::autotest
