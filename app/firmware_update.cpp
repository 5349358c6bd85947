#include "firmware_update.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "comm_setup.h"
#include "torvlink.h"
#include "updater_command.h"

namespace quillet {

namespace {

// The upgrader's folder: RIVO beside the program (a build tree, or a copy of
// the suite in one folder), else the private folder of an installed system,
// found from the program's own folder.
QString updaterFolder(const QString &programFolder) {
    const QString beside = QDir(programFolder).filePath(QString::fromUtf8(kUpdaterFolder));
    if (QFileInfo(beside).isDir()) return beside;
    const QString installed = QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral(QUILLET_INSTALLED_UPDATER_DIR)));
    return QFileInfo(installed).isDir() ? installed : beside;
}

}  // namespace

UpdaterLaunch updaterLaunch(const QString &programFolder, const CommParams &params) {
    const QString folder = updaterFolder(programFolder);
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
