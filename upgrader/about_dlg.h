// The about box, with the read-me and the command-line options windows.
#pragma once

#include <QDialog>
#include <QDir>

#include "texts.h"

namespace rivo {

class AboutDlg : public QDialog {
    Q_OBJECT
public:
    AboutDlg(Language language, const QDir &folder, QWidget *parent = nullptr);

private:
    void showReadMe(const QString &path);
    void showOptions();

    Language language_;
};

}  // namespace rivo
