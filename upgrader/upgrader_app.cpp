#include "upgrader_app.h"

#include <QMainWindow>

#include "firmware_file.h"
#include "language_dlg.h"
#include "qt_ui.h"
#include "run_options.h"
#include "upgrade_procedure.h"
#include "welcome_dlg.h"

namespace rivo {

namespace {

// "--dir FOLDER" taken out of the arguments.
QDir firmwareFolder(std::vector<std::string> &arguments, const QDir &programFolder)
{
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--dir") {
            const QDir folder(QString::fromStdString(arguments[i + 1]));
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            return folder;
        }
    }
    return programFolder;
}

}  // namespace

int runWindowed(const std::vector<std::string> &arguments, const QDir &programFolder)
{
    std::vector<std::string> rest = arguments;
    const QDir folder = firmwareFolder(rest, programFolder);
    QDir::setCurrent(folder.path());
    const RunOptions options = readCommandLine(joinArguments(rest));
    Language language = Language::English;
    if (options.language) {
        language = *options.language;
    } else if (const std::optional<Language> chosen = chooseLanguage(profileLanguage())) {
        language = *chosen;
    } else {
        return 1;
    }

    QMainWindow mainWindow;
    mainWindow.setWindowTitle(QString::fromStdString(text(language, kMainTitle)));
    mainWindow.resize(640, 420);
    mainWindow.show();

    QStringList files;
    for (const std::string &name : listFirmwareFiles(folder.path().toStdString()))
        files << QString::fromStdString(name);
    WelcomeDlg welcome(language, folder, files, options.singleFile, &mainWindow);
    if (welcome.exec() != QDialog::Accepted)
        return 1;

    UpgradeRequest request;
    request.folder = folder.path().toStdString();
    for (const QString &name : welcome.chosenFiles())
        request.files.push_back(name.toStdString());
    request.options = options;
    request.language = language;
    QtUpgraderUi ui(language, &mainWindow);
    return runUpgrade(request, ui, makePosixTransport()) == UpgradeOutcome::Success ? 0 : 1;
}

}  // namespace rivo
