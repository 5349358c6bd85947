#include "link_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "window_texts.h"

namespace rivo {

namespace {

QComboBox *comboOf(const QStringList &items, int current)
{
    auto *combo = new QComboBox;
    combo->addItems(items);
    combo->setCurrentIndex(current);
    return combo;
}

}  // namespace

LinkDlg::LinkDlg(Language language, const LinkSettings &settings, QWidget *parent)
    : QDialog(parent), settings_(settings)
{
    const WindowTexts &texts = windowTexts(language);
    setWindowTitle(QString::fromUtf8(texts.linkTitle));
    QStringList ports, rates;
    for (int port = 1; port <= 8; ++port)
        ports << QStringLiteral("COM%1").arg(port);
    for (const int32_t rate : kBaudRates)
        rates << QString::number(rate);
    QStringList parities, handshakes;
    for (const char *parity : texts.parities)
        parities << QString::fromUtf8(parity);
    for (const char *handshake : texts.handshakes)
        handshakes << QString::fromUtf8(handshake);

    port_ = comboOf(ports, std::clamp(settings.port, 1, 8) - 1);
    baud_ = comboOf(rates, settings.baudIndex);
    dataBits_ = comboOf({QStringLiteral("7"), QStringLiteral("8")}, settings.eightDataBits ? 1 : 0);
    stopBits_ = comboOf({QStringLiteral("1"), QStringLiteral("2")}, settings.twoStopBits ? 1 : 0);
    parity_ = comboOf(parities, static_cast<int>(settings.parity));
    handshake_ = comboOf(handshakes, static_cast<int>(settings.flow));

    auto *form = new QFormLayout;
    form->addRow(QString::fromUtf8(texts.portsLabel), port_);
    form->addRow(QString::fromUtf8(texts.baudLabel), baud_);
    form->addRow(QString::fromUtf8(texts.dataBitsLabel), dataBits_);
    form->addRow(QString::fromUtf8(texts.stopBitsLabel), stopBits_);
    form->addRow(QString::fromUtf8(texts.parityLabel), parity_);
    form->addRow(QString::fromUtf8(texts.handshakeLabel), handshake_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QString::fromUtf8(texts.linkNote)));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(texts.ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(texts.cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

LinkSettings LinkDlg::settings() const
{
    LinkSettings chosen = settings_;
    chosen.port = port_->currentText().mid(3).toInt();  // the number after "COM"
    chosen.baudIndex = baud_->currentIndex();
    chosen.eightDataBits = dataBits_->currentIndex() == 1;
    chosen.twoStopBits = stopBits_->currentIndex() == 1;
    chosen.parity = static_cast<Parity>(parity_->currentIndex());
    chosen.flow = static_cast<FlowControl>(handshake_->currentIndex());
    return chosen;
}

}  // namespace rivo
