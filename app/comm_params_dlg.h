// "Communication Parameters": the port of the tester link, and the serial
// device each port opens on this machine.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

class QButtonGroup;
class QComboBox;

namespace quillet {

class CCommParamsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCommParamsDlg(QWidget *parent = nullptr);

    // The port minus one (0 = COM1 .. 3 = COM4).
    int value() const;
    void setValue(int portIndex);

    // The device entered for port n (1..4); empty means the default.
    QString device(int port) const;
    void setDevice(int port, const QString &device);

    // OK keeps the devices in the profile and hands them to the library.
    void accept() override;

private:
    QComboBox *makeDeviceBox(int port);

    QButtonGroup *ports_;
    std::array<QComboBox *, 4> devices_{};
};

// The choice OpenTesterLink offers after a failed opening: the dialog set
// to the current port; the chosen port (1..4), or nothing when cancelled.
std::optional<int> chooseTesterPort(QWidget *parent, int currentPort);

}  // namespace quillet
