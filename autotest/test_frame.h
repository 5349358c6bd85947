// CTestFrame: the window of one displayed site of an autotest document,
// split in two: the site summary (CTestSiteView) above, the plug list
// (CTestView) below. It takes the site window's commands from the main
// window and titles itself with the document's title and the site name.
// Closing the document's last window closes the document, asking first
// when it is modified.
#pragma once

#include <QWidget>

#include "autotest_environment.h"
#include "command_target.h"
#include "report_renderer.h"

class QSplitter;

namespace quillet::autotest {

class CTestDoc;
class CTestSiteView;
class CTestView;

class CTestFrame : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    CTestFrame(CTestDoc &doc, std::size_t site, AutotestEnvironment &env, QWidget *parent = nullptr);
    // The views go before the frame: nothing of theirs reaches it then.
    ~CTestFrame() override;

    CTestDoc &document() const { return doc_; }
    std::size_t siteIndex() const { return site_; }
    CTestSiteView *siteView() const { return siteView_; }
    CTestView *view() const { return view_; }
    bool isClosing() const { return closing_; }

    // Title and lines of both views.
    void initialUpdate();
    // The position pane shows the current line's number.
    void showPosition();

    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    bool isCommandChecked(int id) const override;
    void onCommand(int id) override;

    // The export of what the window shows: the file dialog, ADD, REPLACE or
    // another name, and the message of a failure.
    void exportText();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void updateTitle();
    void refreshSummary();
    void onPopupMenu(QWidget *list, const QPoint &at, bool summary);
    void runDialogCommand(int id);
    void showPlugCurves(int slot);
    ReportInput reportInput() const;
    void printReport(int id);
    void chooseColour(int id);
    void editListFormat(bool detailed);
    void editReportTitle();
    void toggleStrikeFailBW();
    void editComments(int id);
    void searchPlug();
    void selectPlugs();
    void sortPlugs();
    void renamePlug();

    CTestDoc &doc_;
    std::size_t site_;
    AutotestEnvironment &env_;
    QSplitter *splitter_;
    CTestSiteView *siteView_;
    CTestView *view_;
    std::string searchRoot_;
    std::string selectionRoot_;
    bool closing_ = false;
};

}  // namespace quillet::autotest
