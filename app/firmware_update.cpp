#include "firmware_update.h"

#include <QDir>
#include <QProcess>

#include "comm_setup.h"
#include "torvlink.h"
#include "updater_command.h"

namespace quillet {

UpdaterLaunch updaterLaunch(const QString &programFolder, const CommParams &params) {
    const QString folder = QDir(programFolder).filePath(QString::fromUtf8(kUpdaterFolder));
    return {QDir(folder).filePath(QString::fromUtf8(kUpdaterProgram)),
            {QString::fromStdString(updaterLinkOption(params))}, folder};
}

void startDetachedProcess(const UpdaterLaunch &launch) {
    QProcess::startDetached(launch.program, launch.arguments, launch.workingDirectory);
}

void startFirmwareUpdate(const QString &programFolder, const ProcessStarter &start) {
    if (TorvikCommIsOpen()) TorvikCommClose();  // the upgrader opens the port itself
    const UpdaterLaunch launch = updaterLaunch(programFolder, readCommParameters());
    QDir::setCurrent(launch.workingDirectory);
    start(launch);
}

}  // namespace quillet
