#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "serial_devices.h"

namespace quillet {
namespace {

namespace fs = std::filesystem;

class SerialDevices : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/quillet-dev-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }
    void touch(const std::string &name) {
        fs::create_directories((root_ / name).parent_path());
        std::ofstream(root_ / name).put('\n');
    }
    std::string at(const std::string &name) const { return (root_ / name).string(); }

    fs::path root_;
};

TEST_F(SerialDevices, AdaptersFirstThenPortsThenStableNames) {
    for (const char *name : {"ttyS10", "ttyS2", "ttyS0", "ttyACM1", "ttyUSB0", "tty0", "null", "serial/by-id/usb-FTDI_1"})
        touch(name);
    EXPECT_EQ(listSerialDevices(root_.string()),
              (std::vector<std::string>{at("ttyUSB0"), at("ttyACM1"), at("ttyS0"), at("ttyS2"), at("ttyS10"),
                                        at("serial/by-id/usb-FTDI_1")}));
}

TEST_F(SerialDevices, NoneWithoutTheFolders) {
    EXPECT_TRUE(listSerialDevices((root_ / "missing").string()).empty());
    EXPECT_EQ(portDeviceKey(1), "Device1");
    EXPECT_EQ(portDeviceKey(4), "Device4");
}

}  // namespace
}  // namespace quillet
