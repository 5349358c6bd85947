// The site window's commands that ask the user first: search, selection,
// sort, renaming, list formats, colours, the report title, comments and
// the export.
#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileInfo>

#include "comment_dlgs.h"
#include "cp1252.h"
#include "message_prompt.h"
#include "plug_dialogs.h"
#include "profile_settings.h"
#include "quillet_strings.h"
#include "test_command_ids.h"
#include "test_doc.h"
#include "test_frame.h"
#include "test_view.h"
#include "three_buttons_dlg.h"

namespace quillet::autotest {
namespace {

const QString kOptions = QStringLiteral("Options");

QString text(int id) { return fromCp1252(resourceString(id)); }

// Colours, the strike-out and the title are the program's options: every
// site window shows them at once.
void rereadOptionsEverywhere() {
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *view = qobject_cast<CTestView *>(widget)) view->readOptions();
    }
}

}  // namespace

void CTestFrame::searchPlug() {
    const auto root = askPlugId(this, tr("Find a plug..."), tr("&Plug Id (or root):"), searchRoot_);
    if (!root) return;
    searchRoot_ = *root;
    view_->searchPlug(*root);
}

void CTestFrame::selectPlugs() {
    CSelectPlugsDlg dialog(selectionRoot_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const PlugSelection selection = dialog.selection();
    selectionRoot_ = selection.root;
    view_->selectPlugs(selection, dialog.replaceSelection());
}

void CTestFrame::sortPlugs() {
    CSortPlugsDlg dialog(proposedSortMask(view_->currentPlugId()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const SortRequest request = dialog.request();
    view_->sortPlugs(request.criterion, request.mask, request.ascending);
}

void CTestFrame::renamePlug() {
    const std::vector<std::size_t> lines = view_->selectedLines();
    if (lines.empty()) {
        view_->reportNoSelection();
        return;
    }
    const std::size_t plug = view_->plugList().lines()[*view_->plugLineOf(lines.front())].plug;
    const auto id = askPlugId(this, tr("Name of the Plug..."), tr("&Plug Id:"), view_->site().plugs[plug].plugId);
    if (id) view_->renamePlug(*id);
}

void CTestFrame::editListFormat(bool detailed) {
    const auto &standard = view_->site().standard;
    const std::uint32_t enabled = detailed ? defaultDetailedMask(standard) : defaultSyntheticMask(standard);
    CListFormatDlg dialog(detailed, detailed ? view_->detailedMask() : view_->syntheticMask(), enabled, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (detailed)
        view_->setMasks(view_->syntheticMask(), dialog.mask());
    else
        view_->setMasks(dialog.mask(), view_->detailedMask());
}

void CTestFrame::chooseColour(int id) {
    const char *key = id == cmd::kPassColour ? "PassColor" : id == cmd::kFailColour ? "FailColor" : "LimitColor";
    const ListColours &now = view_->colours();
    const QColor current = id == cmd::kPassColour ? now.pass : id == cmd::kFailColour ? now.fail : now.limit;
    const QColor chosen = QColorDialog::getColor(current, this);
    if (!chosen.isValid()) return;
    Profile().writeString(kOptions, QString::fromUtf8(key), QString::number(profileValueOfColour(chosen)));
    rereadOptionsEverywhere();
}

void CTestFrame::toggleStrikeFailBW() {
    Profile().writeInt(kOptions, QStringLiteral("StrikeFailBW"), view_->strikeFailBW() ? 0 : 1);
    rereadOptionsEverywhere();
}

void CTestFrame::editReportTitle() {
    CTitleDlg dialog(text(187), fromCp1252(view_->reportTitle()), 40, this);
    if (dialog.exec() != QDialog::Accepted) return;
    Profile().writeString(kOptions, QStringLiteral("Title"), dialog.title());
    rereadOptionsEverywhere();
}

void CTestFrame::editComments(int id) {
    if (id == cmd::kProperties) {
        CCommentHistoryDlg dialog(fromCp1252(doc_.comment()), this);
        if (dialog.exec() == QDialog::Accepted) doc_.setComment(toCp1252(dialog.comment()));
        return;
    }
    CCommentDlg dialog(fromCp1252(doc_.sites()[site_].comment), this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The site's comment keeps its lines apart with CR LF, as the tester's
    // texts do.
    doc_.setSiteComment(site_, toCp1252(dialog.comment().replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                            .replace(QLatin1Char('\n'), QLatin1String("\r\n"))));
}

void CTestFrame::exportText() {
    const QString caption = text(152);
    const QString extension = text(154);
    std::string title = toUtf8(doc_.title());
    if (const auto dot = title.rfind('.'); dot != std::string::npos) title.erase(dot);
    QString proposed = fromUtf8(proposedFileName(title, 0, toUtf8(extension)));
    for (;;) {
        QString path = chooseSaveFile(env_, {caption, text(153), proposed});
        if (path.isEmpty()) return;
        if (QFileInfo(path).suffix().isEmpty()) path += extension;
        ExportMode mode = ExportMode::Replace;
        if (QFileInfo::exists(path)) {
            const int answer = askThreeButtons(env_, caption, fromUtf8(formatResource(140, toUtf8(QFileInfo(path).fileName()))),
                                               {text(155), text(142), text(143)});
            if (answer != C3ButtonsDlg::kButton1 && answer != C3ButtonsDlg::kButton2) {
                proposed = path;
                continue;
            }
            if (answer == C3ButtonsDlg::kButton1) mode = ExportMode::Append;
        }
        const int result = view_->exportTo(QFile::encodeName(path).toStdString(), mode);
        if (result != 0) {
            QApplication::beep();
            env_.prompt->show(toUtf8(appTitle()), resourceString(result), MessageIcon::Exclamation,
                              MessageButtons::Ok);
        }
        return;
    }
}

}  // namespace quillet::autotest
