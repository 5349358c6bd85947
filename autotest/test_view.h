// CTestView: the plug list of a site window. One line per plug shown, with
// the chosen measurement columns in the pass, fail and limit colours, and
// the detail block of every plug the user details, under a one-line
// heading. The lines are those of autotest/core's PlugList, which the
// report prints and the export writes as they stand here: plugList(),
// summaryLines(), reportTitle() and exportInput() give them with the
// window's state (plugs shown and detailed, masks, title).
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "autotest_environment.h"
#include "list_line_model.h"
#include "plug_commands.h"
#include "plug_list.h"
#include "text_export.h"
#include "verdicts.h"

class QListView;

namespace quillet::autotest {

class CTestDoc;

class CTestView : public QWidget {
    Q_OBJECT
public:
    CTestView(CTestDoc &doc, std::size_t site, AutotestEnvironment &env, QWidget *parent = nullptr);
    ~CTestView() override;

    // What the window shows, for the site summary, the report and the export.
    const PlugList &plugList() const { return *list_; }
    const model::CSite &site() const;
    const model::SiteVerdicts &verdicts() const { return *verdicts_; }
    std::vector<std::string> summaryLines() const { return list_->summaryLines(title_); }
    const std::string &reportTitle() const { return title_; }
    std::uint32_t syntheticMask() const { return syntheticMask_; }
    std::uint32_t detailedMask() const { return detailedMask_; }
    const ListColours &colours() const { return colours_; }
    bool strikeFailBW() const { return strikeFailBW_; }
    ExportInput exportInput() const { return exportInputOf(*list_, title_); }

    QListView *listView() const { return list_view_; }
    QListView *headingView() const { return heading_view_; }

    // The selection: plug and detail lines, in list order.
    std::vector<std::size_t> selectedLines() const;
    void selectLines(const std::vector<std::size_t> &lines, bool replace);
    void selectAll();
    void selectNone();
    void reverseSelection();
    std::optional<std::size_t> currentLine() const;
    void setCurrentLine(std::size_t line);

    // The commands, as the menus reach them.
    void detail(bool all);
    void contract(bool all);
    bool hidePlugs();
    bool hideOtherPlugs();
    void showAllPlugs();
    bool searchPlug(const std::string &root);
    void selectPlugs(const PlugSelection &selection, bool replace);
    void sortPlugs(int criterion, const std::string &mask, bool ascending);
    bool renamePlug(const std::string &newId);
    void setMasks(std::uint32_t syntheticMask, std::uint32_t detailedMask);
    // 0, or the number of the text that tells why the export failed.
    int exportTo(const std::string &path, ExportMode mode) const;

    // The profile's options (colours, black-and-white strike-out, title)
    // read again, as after another window changed them.
    void readOptions();
    // The lines built again: the plugs shown and detailed stay (rename,
    // comments), or every plug comes back (sorting, Show all plugs).
    void rebuild();
    void reload();

    // Message 136 "No selection has been done"; false.
    bool reportNoSelection() const;
    // The plug of the first selected line (a detail line stands for its
    // plug); nullptr without a selection.
    const model::CPrise *firstSelectedPlug() const;
    // The plug line of the current line, or of the first selected one.
    std::optional<std::size_t> plugLineOf(std::size_t line) const;
    // Identifier of the plug the sort mask is proposed from.
    std::string currentPlugId() const;

signals:
    // The plugs shown changed: the site summary counts them again.
    void linesChanged();
    void currentLineChanged(int line);

private:
    void showLines();
    std::vector<std::size_t> selectedPlugs() const;
    void reselectPlugs(const std::vector<std::size_t> &plugs);

    CTestDoc &doc_;
    std::size_t site_;
    AutotestEnvironment &env_;
    std::unique_ptr<model::SiteVerdicts> verdicts_;
    std::unique_ptr<PlugList> list_;
    std::uint32_t syntheticMask_ = 0;
    std::uint32_t detailedMask_ = 0;
    ListColours colours_;
    bool strikeFailBW_ = false;
    std::string title_;
    ListLine heading_;
    ListLineModel *model_ = nullptr;
    ListLineModel *headingModel_ = nullptr;
    ListLineDelegate *delegate_ = nullptr;
    ListLineDelegate *headingDelegate_ = nullptr;
    QListView *list_view_ = nullptr;
    QListView *heading_view_ = nullptr;
};

}  // namespace quillet::autotest
