#include "comm_setup.h"

#include "profile_settings.h"
#include "serial_devices.h"
#include "torvlink.h"

namespace quillet {
namespace {

QString commSection() {
    return QString::fromUtf8(kCommSection);
}

QString deviceKey(int port) {
    return QString::fromStdString(portDeviceKey(port));
}

}  // namespace

CommParams readCommParameters() {
    const QString stored =
        Profile().readString(commSection(), QString::fromUtf8(kCommKey), QString::fromUtf8(kDefaultCommParameters));
    return parseCommParameters(stored.toStdString());
}

void writeCommParameters(const CommParams &params) {
    Profile().writeString(commSection(), QString::fromUtf8(kCommKey),
                          QString::fromStdString(formatCommParameters(params)));
}

QString storedPortDevice(int port) {
    return Profile().readString(commSection(), deviceKey(port));
}

QString effectivePortDevice(int port) {
    char device[512];
    TorvlinkGetPortDevice(port, device, sizeof device);
    return QString::fromLocal8Bit(device);
}

void setPortDevice(int port, const QString &device) {
    Profile().writeString(commSection(), deviceKey(port), device);
    const QByteArray path = device.toLocal8Bit();
    TorvlinkSetPortDevice(port, path.isEmpty() ? nullptr : path.constData());
}

void applyPortDevices() {
    for (int port = 1; port <= kPortCount; ++port) {
        const QByteArray path = storedPortDevice(port).toLocal8Bit();
        TorvlinkSetPortDevice(port, path.isEmpty() ? nullptr : path.constData());
    }
}

}  // namespace quillet
