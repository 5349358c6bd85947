// What the upgrader's procedure needs from its user interface: message
// boxes, the link dialog and the two progress windows. The windowed program
// and the batch mode each implement it; the procedure itself knows neither.
#pragma once

#include <string>

#include "link_settings.h"

namespace rivo {

enum class BoxIcon { None, Information, Question, Warning };
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// Why a box is shown, so an unattended run can answer as a bench expects.
enum class BoxPurpose {
    Notice,   // a failure or a result: OK only
    Confirm,  // the files about to be transmitted
    Trace,    // trace mode: Cancel ends the upgrader
    Retry,    // OK tries again, Cancel ends
    Abort,    // the Cancel button's question: Yes abandons
};

struct MessageBox {
    BoxIcon icon = BoxIcon::None;
    std::string caption;
    std::string text;
    BoxButtons buttons = BoxButtons::Ok;
    BoxPurpose purpose = BoxPurpose::Notice;
};

enum class ProgressWindow { Analysis, Transmission };

class UpgraderUi {
public:
    virtual ~UpgraderUi() = default;

    virtual BoxAnswer ask(const MessageBox &box) = 0;
    // The link dialog with `settings` preselected; false when cancelled.
    virtual bool chooseLink(LinkSettings &settings) = 0;

    virtual void openProgress(ProgressWindow window) = 0;
    virtual void setProgressTexts(const std::string &upper, const std::string &lower) = 0;
    virtual void setProgress(int percent) = 0;
    virtual void closeProgress() = 0;
    // Lets the window handle what is pending (repaint, clicks); true once
    // after each press of the window's Cancel button.
    virtual bool cancelPressed() = 0;
};

}  // namespace rivo
