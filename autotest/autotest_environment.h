// What the autotest windows take from the program around them: the message
// boxes, the tester link, the selection, file and three-button dialogs, and
// the main window the document windows go into. The program gives the real
// ones; tests put recorders and scripted answers in their place.
#pragma once

#include <QString>
#include <array>
#include <functional>

#include "tester_link.h"
#include "user_interaction.h"

namespace quillet {
class CMainFrame;
}

class QPrinter;

namespace quillet::autotest {

// A file dialog for saving: its caption, filter and the proposed name.
struct FileRequest {
    QString caption;
    QString filter;
    QString proposed;
};
// The chosen path; empty when the user cancelled.
using FileChooser = std::function<QString(const FileRequest &)>;

// The three-button question (dialog 117): the id of the button pressed
// (1053, 1054, 1055) or Cancel (2). The third button is the default.
using ThreeButtonQuestion =
    std::function<int(const QString &caption, const QString &message, const std::array<QString, 3> &buttons)>;

struct AutotestEnvironment {
    UserPrompt *prompt = nullptr;
    std::function<TesterLinkContext()> link;
    CMainFrame *mainFrame = nullptr;                 // where the windows open
    std::function<CMainFrame *()> findMainFrame;     // set: mainFrame follows it
    std::function<void(const QString &)> addRecentFile;
    SelectionChooser *chooser = nullptr;             // null: dialog 109
    FileChooser chooseSaveFile;                      // null: the file dialog
    ThreeButtonQuestion askThreeButtons;             // null: dialog 117
    std::function<QPrinter *()> printer;             // null: the default printer
};

// The file dialog and dialog 117 where the environment has none.
QString chooseSaveFile(const AutotestEnvironment &env, const FileRequest &request);
int askThreeButtons(const AutotestEnvironment &env, const QString &caption, const QString &message,
                    const std::array<QString, 3> &buttons);

}  // namespace quillet::autotest
