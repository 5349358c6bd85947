#include "comm_params_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "comm_setup.h"
#include "serial_devices.h"

namespace quillet {

CCommParamsDlg::CCommParamsDlg(QWidget *parent) : QDialog(parent), ports_(new QButtonGroup(this)) {
    setWindowTitle(tr("Communication Parameters"));
    auto *group = new QGroupBox(tr("&Serial Port"));
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Device")), 0, 1);
    for (int port = 1; port <= kPortCount; ++port) {
        auto *radio = new QRadioButton(QStringLiteral("COM%1").arg(port));
        ports_->addButton(radio, port - 1);
        grid->addWidget(radio, port, 0);
        devices_[static_cast<std::size_t>(port - 1)] = makeDeviceBox(port);
        grid->addWidget(devices_[static_cast<std::size_t>(port - 1)], port, 1);
    }
    grid->setColumnStretch(1, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    setValue(0);
}

// An editable list of the devices present; the stored choice is the text,
// the device the library would open otherwise shows as the placeholder.
QComboBox *CCommParamsDlg::makeDeviceBox(int port) {
    auto *box = new QComboBox;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(28);
    box->addItem(QString());
    for (const auto &path : listSerialDevices()) box->addItem(QString::fromStdString(path));
    box->setCurrentText(storedPortDevice(port));
    box->lineEdit()->setPlaceholderText(effectivePortDevice(port));
    box->setToolTip(tr("Serial device of COM%1; leave empty for the default").arg(port));
    return box;
}

int CCommParamsDlg::value() const {
    return ports_->checkedId();
}

void CCommParamsDlg::setValue(int portIndex) {
    if (QAbstractButton *radio = ports_->button(portIndex)) radio->setChecked(true);
}

QString CCommParamsDlg::device(int port) const {
    return devices_[static_cast<std::size_t>(port - 1)]->currentText().trimmed();
}

void CCommParamsDlg::setDevice(int port, const QString &device) {
    devices_[static_cast<std::size_t>(port - 1)]->setCurrentText(device);
}

void CCommParamsDlg::accept() {
    for (int port = 1; port <= kPortCount; ++port) {
        if (device(port) != storedPortDevice(port)) setPortDevice(port, device(port));
    }
    QDialog::accept();
}

std::optional<int> chooseTesterPort(QWidget *parent, int currentPort) {
    CCommParamsDlg dialog(parent);
    dialog.setValue(currentPort - 1);
    if (dialog.exec() != QDialog::Accepted || dialog.value() < 0) return std::nullopt;
    return dialog.value() + 1;
}

}  // namespace quillet
