// The welcome window: the firmware files found, Continue, Exit, About.
#pragma once

#include <QDialog>
#include <QDir>
#include <QStringList>

#include "texts.h"

class QListWidget;

namespace rivo {

class WelcomeDlg : public QDialog {
    Q_OBJECT
public:
    // With `singleFile` the list is enabled and its first entry selected.
    WelcomeDlg(Language language, const QDir &folder, const QStringList &files, bool singleFile,
               QWidget *parent = nullptr);

    // The files to take: all of them, or the selected one with "-s".
    QStringList chosenFiles() const;

private:
    QListWidget *list_;
    QStringList files_;
    bool singleFile_;
};

}  // namespace rivo
