// CNormFrame: the child window of a standards document. It holds the
// document and its listing view, runs the window's commands (Save, Save
// As, Properties, Print, Print Preview, Copy) and, while active, gives the
// main window the standards toolbar and its commands in the File menu.
#pragma once

#include <QWidget>
#include <memory>

#include "command_target.h"
#include "norm_doc.h"
#include "text_page_printer.h"
#include "user_interaction.h"

class QPrinter;

namespace quillet {

class CNormView;

class CNormFrame : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    CNormFrame(std::unique_ptr<CNormDoc> document, UserPrompt &prompt, QWidget *parent = nullptr);
    ~CNormFrame() override;

    CNormDoc &document() { return *document_; }
    CNormView *view() const { return view_; }

    // Rebuilds the listing from the document and the window title.
    void updateAllViews();

    // The printed listing, laid out for the device by the caller.
    TextPages printedPages() const;

    bool save();
    bool saveAs();
    // Properties: the comment dialog on the document's comment.
    void editProperties();

    bool handlesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void onCommand(int id) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void print();
    void printPreview();
    void copyLines();

    std::unique_ptr<CNormDoc> document_;
    UserPrompt &prompt_;
    CNormView *view_;
};

}  // namespace quillet
