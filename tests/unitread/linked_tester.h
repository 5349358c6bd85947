// A simulated tester reached through libtorvlink: the fixture starts the
// simulator, opens the link once and closes it at the end of the test.
// Every message box the library raises is kept; a test that expects none
// checks that the list stays empty.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "simulator.h"
#include "torvlink.h"

namespace unitread {

class LinkedTester : public ::testing::Test {
protected:
    void connect(torvik::sim::Unit unit)
    {
        unit_ = std::move(unit);
        tester_ = std::make_unique<torvik::sim::Simulator>(unit_);
        std::string error;
        ASSERT_TRUE(tester_->start(&error)) << error;
        TorvlinkSetPortDevice(1, tester_->devicePath().c_str());
        TorvlinkSetMessageHandler(&LinkedTester::keep, this);
        ASSERT_EQ(TorvikCommOpen(1, 38400, 'n', 8, 1, 'n'), 0);
    }

    void TearDown() override
    {
        TorvikCommClose();
        TorvlinkSetMessageHandler(nullptr, nullptr);
        TorvlinkSetPortDevice(1, nullptr);
        if (tester_)
            tester_->stop();
    }

    const torvik::sim::Unit &unit() const { return unit_; }
    torvik::sim::Simulator &tester() { return *tester_; }

    std::vector<std::string> messages;

private:
    static int32_t keep(void *self, const char *, const char *text, int32_t)
    {
        static_cast<LinkedTester *>(self)->messages.emplace_back(text);
        return 1;
    }

    torvik::sim::Unit unit_;
    std::unique_ptr<torvik::sim::Simulator> tester_;
};

// Host-order numbers and texts of a decoded record.
template <typename Record>
uint16_t word(const Record &record, std::size_t offset)
{
    uint16_t value;
    std::memcpy(&value, reinterpret_cast<const uint8_t *>(&record) + offset, 2);
    return value;
}

template <typename Record>
uint32_t doubleWord(const Record &record, std::size_t offset)
{
    uint32_t value;
    std::memcpy(&value, reinterpret_cast<const uint8_t *>(&record) + offset, 4);
    return value;
}

template <typename Record>
uint8_t byteAt(const Record &record, std::size_t offset)
{
    return reinterpret_cast<const uint8_t *>(&record)[offset];
}

// A text field of `size` bytes, up to its first NUL.
template <typename Record>
std::string textAt(const Record &record, std::size_t offset, std::size_t size)
{
    const char *p = reinterpret_cast<const char *>(&record) + offset;
    return std::string(p, strnlen(p, size));
}

}  // namespace unitread
