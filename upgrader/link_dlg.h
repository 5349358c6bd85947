// "Opening communication with the instrument": port and line settings.
#pragma once

#include <QDialog>

#include "link_settings.h"
#include "texts.h"

class QComboBox;

namespace rivo {

class LinkDlg : public QDialog {
    Q_OBJECT
public:
    LinkDlg(Language language, const LinkSettings &settings, QWidget *parent = nullptr);
    LinkSettings settings() const;

private:
    LinkSettings settings_;
    QComboBox *port_, *baud_, *dataBits_, *stopBits_, *parity_, *handshake_;
};

}  // namespace rivo
