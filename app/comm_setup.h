// The stored communication parameters ("CommunicationD01"/"Parameters")
// and the serial device behind each port ("Device1".."Device4").
#pragma once

#include <QString>

#include "comm_params.h"

namespace quillet {

CommParams readCommParameters();
void writeCommParameters(const CommParams &params);

// The device stored for port n (1..4); empty when the library's default
// applies ($TORVIK_COM<n>, else /dev/ttyS<n-1>).
QString storedPortDevice(int port);
// The device port n opens now, as the library resolves it.
QString effectivePortDevice(int port);
// Stores port n's device (empty: the default) and hands it to the library.
void setPortDevice(int port, const QString &device);
// Hands every stored device to the library (at start-up).
void applyPortDevices();

}  // namespace quillet
