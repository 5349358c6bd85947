// The upgrader's own serial transport on a pseudo-terminal: the device of a
// port, exclusive use, and a port that can be opened again at once after
// it was closed (as "-r" does between instruments).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "pseudo_terminal.h"
#include "serial_transport.h"

namespace rivo {
namespace {

TEST(PortDevice, EnvironmentThenStandardPort)
{
    unsetenv("TORVIK_COM7");
    EXPECT_EQ(portDevicePath(7), "/dev/ttyS6");
    setenv("TORVIK_COM7", "/dev/pts/99", 1);
    EXPECT_EQ(portDevicePath(7), "/dev/pts/99");
    unsetenv("TORVIK_COM7");
}

TEST(Transport, ExclusiveWhileOpenAndReopenedAtOnce)
{
    torvik::sim::PseudoTerminal terminal;
    std::string error;
    ASSERT_TRUE(terminal.open(&error)) << error;
    setenv("TORVIK_COM3", terminal.slavePath().c_str(), 1);
    LinkSettings settings;
    settings.port = 3;
    auto transport = makePosixTransport();
    ASSERT_EQ(transport->open(settings), 0);
    if (geteuid() != 0) {  // exclusivity does not hold against root
        const int second = ::open(terminal.slavePath().c_str(), O_RDWR | O_NOCTTY);
        EXPECT_LT(second, 0);
        if (second >= 0)
            ::close(second);
    }
    EXPECT_EQ(transport->close(), 0);
    auto again = makePosixTransport();
    EXPECT_EQ(again->open(settings), 0);

    // A line written by the monitor's side arrives byte by byte.
    ASSERT_EQ(::write(terminal.master(), "OK\n", 3), 3);
    const auto deadline = SerialTransport::Clock::now() + std::chrono::seconds(2);
    EXPECT_EQ(again->readByte(deadline), 'O');
    EXPECT_EQ(again->readByte(deadline), 'K');
    EXPECT_EQ(again->readByte(deadline), '\n');
    EXPECT_EQ(again->readByte(SerialTransport::Clock::now() + std::chrono::milliseconds(50)), -1);
    unsetenv("TORVIK_COM3");
}

}  // namespace
}  // namespace rivo
