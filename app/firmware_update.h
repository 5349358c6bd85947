// "&Update Tester...": the firmware upgrader, started beside this program
// with the stored link parameters after the link was released.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "comm_params.h"

namespace quillet {

struct UpdaterLaunch {
    QString program;           // <upgrader folder>/rivo32
    QStringList arguments;     // {"-c1,38400,8,1,n,n"}
    QString workingDirectory;  // <upgrader folder>
};

// The upgrader folder is <program folder>/RIVO when that folder exists (a
// build tree, or the suite copied into one folder), else the installed
// system's private folder found relative to the program's folder.

UpdaterLaunch updaterLaunch(const QString &programFolder, const CommParams &params);

// Starts a program without waiting for it; whether it started is not
// reported to the user.
using ProcessStarter = std::function<void(const UpdaterLaunch &)>;
void startDetachedProcess(const UpdaterLaunch &launch);

// Closes an open link, makes the upgrader's folder the current one and
// starts it with the stored parameters.
void startFirmwareUpdate(const QString &programFolder, const ProcessStarter &start);

}  // namespace quillet
