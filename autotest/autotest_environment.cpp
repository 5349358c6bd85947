#include "autotest_environment.h"

#include <QFileDialog>

#include "main_frame.h"
#include "three_buttons_dlg.h"

namespace quillet::autotest {

QString chooseSaveFile(const AutotestEnvironment &env, const FileRequest &request) {
    if (env.chooseSaveFile) return env.chooseSaveFile(request);
    return QFileDialog::getSaveFileName(env.mainFrame, request.caption, request.proposed, request.filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int askThreeButtons(const AutotestEnvironment &env, const QString &caption, const QString &message,
                    const std::array<QString, 3> &buttons) {
    if (env.askThreeButtons) return env.askThreeButtons(caption, message, buttons);
    C3ButtonsDlg dialog(caption, message, buttons, C3ButtonsDlg::kButton3, env.mainFrame);
    return dialog.exec();
}

}  // namespace quillet::autotest
