// Downloading standards from the simulated tester through the link: the
// demo unit's standards with their listing, and the ways a download skips
// a standard or ends without one.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>

#include "demo_standards.h"
#include "norm_listing.h"
#include "norm_transfer.h"
#include "record_encoding.h"
#include "scripted_interaction.h"
#include "sim_fixture.h"

namespace {

using namespace quillet::model;
using torvik::sim::Command;
using torvik::sim::Reply;
using torvik::sim::TesterError;

// The scripted user, choosing from the selection dialog as told (every
// line once the script is used up) and counting the searches.
class ChoosingUser final : public UserInteraction {
public:
    quillet::testing::ScriptedInteraction script;
    std::deque<std::optional<std::vector<std::size_t>>> choices;
    int selections = 0;

    Answer message(const std::string &text, MessageIcon icon, MessageButtons buttons) override {
        return script.message(text, icon, buttons);
    }
    std::unique_ptr<Progress> beginProgress(const std::string &text) override { return script.beginProgress(text); }
    std::optional<SelectionResult> select(const SelectionRequest &request) override {
        ++selections;
        EXPECT_EQ(request.dialogId, 106);
        SelectionResult result;
        if (choices.empty()) return script.select(request);
        auto choice = choices.front();
        choices.pop_front();
        if (!choice) return std::nullopt;
        result.chosen = *choice;
        return result;
    }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto &m : script.messages) texts.push_back(m.text);
        return texts;
    }
};

class NormTransfer : public SimulatedTester {
protected:
    void start(torvik::sim::Unit unit = torvik::sim::demoUnit()) {
        unit_ = unit;
        startTester(std::move(unit));
        ASSERT_EQ(openLink(), 0);
    }

    // The tester's name messages, with those of `unreadable` standards
    // answered by an error.
    void failNamesOf(std::vector<std::size_t> unreadable) {
        std::set<int> failing;
        for (std::size_t n : unreadable) failing.insert(unit_.standards[n].nameMessage);
        const auto names = unit_.messages;
        tester().addCommand("MSG?", [names, failing](const Command &c, TesterError &raised) {
            const int number = c.args.empty() ? -1 : std::stoi(c.args[0]);
            if (failing.count(number)) {
                raised = {201, "no such message"};
                return Reply::line("");
            }
            const auto found = names.find(number);
            return Reply::line(found == names.end() ? "" : found->second);
        });
    }

    std::string nameOf(std::size_t n) const { return unit_.messages.at(unit_.standards[n].nameMessage); }

    torvik::sim::Unit unit_;
    ChoosingUser user;
};

TEST_F(NormTransfer, DemoUnitStandardsAndTheirListing) {
    start();
    const auto download = downloadTesterNorms(user);
    ASSERT_TRUE(download.has_value());
    ASSERT_EQ(download->standards.size(), unit_.standards.size());
    for (std::size_t n = 0; n < unit_.standards.size(); ++n) {
        const CNorm &got = download->standards[n];
        const torvik::sim::Standard &want = unit_.standards[n];
        EXPECT_EQ(got.name, nameOf(n));
        EXPECT_EQ(got.flags, want.options);
        EXPECT_EQ(got.testsMask, want.testsMask);
        EXPECT_EQ(got.maxLength, want.maxLength);
        if (want.copper()) {
            EXPECT_EQ(got.sweep.size(), want.sweep.size()) << got.name;
        }
    }
    EXPECT_TRUE(user.script.messages.empty());

    const auto lines = quillet::standards::normListingLines(download->standards, quillet::NumberFormat('.'));
    auto block = [&lines](const std::string &first) {
        std::vector<std::string> out;
        auto at = std::find(lines.begin(), lines.end(), first);
        for (; at != lines.end() && !at->empty(); ++at) out.push_back(*at);
        return out;
    };
    using torvik::sim::demo::kBasicLink;
    using torvik::sim::demo::kClassEChannel;
    using torvik::sim::demo::kOpticalLink;
    EXPECT_EQ(block("\t05\tStandard:\tISO11801 Class E Channel"),
              (std::vector<std::string>{"\t05\tStandard:\tISO11801 Class E Channel", "\t\t\tFrequency sweep:",
                                        "\t\t\t\t1-20 MHz by step of 100 kHz", "\t\t\t\t20-100.5 MHz by step of 250 kHz",
                                        "\t\t\t\t100.5-250 MHz by step of 500 kHz", "\t\t\tMax. Length: 100 m",
                                        "\t\t\tMax. Propagation Delay: 555 ns", "\t\t\tMax. Propagation Gap: 50 ns",
                                        "\t\t\tMax. Loop Resistance: 25 ohm",
                                        "\t\t\tWorst case: NEXT, PSNEXT, ELFEXT, PSELF., ACR, PSACR, R.Loss, Att."}));
    EXPECT_EQ(block("\t06\tStandard:\tBasic Link 100 Ohm").size(), 5u);
    EXPECT_EQ(block("\t07\tStandard:\tISO11801 OF-300 (Opt.)").size(), 11u);
    static_assert(kClassEChannel == 4 && kBasicLink == 5 && kOpticalLink == 6);
}

TEST_F(NormTransfer, StandardsWithUnreadableNamesAreNotListed) {
    start();
    failNamesOf({1, 3});
    const auto lines = listTesterNorms(user);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), unit_.standards.size() - 2);
    EXPECT_EQ((*lines)[0], "01\t" + nameOf(0) + "\t");
    EXPECT_EQ((*lines)[1], "03\t" + nameOf(2) + "\t");
    EXPECT_EQ(normIndexOfLine((*lines)[1]), 2);
    EXPECT_EQ(normNameOfLine((*lines)[1]), nameOf(2));
}

TEST_F(NormTransfer, NoReadableNameMeansNoStandardAvailable) {
    start();
    std::vector<std::size_t> all;
    for (std::size_t n = 0; n < unit_.standards.size(); ++n) all.push_back(n);
    failNamesOf(all);
    EXPECT_FALSE(downloadTesterNorms(user).has_value());
    EXPECT_EQ(user.messageTexts(), std::vector<std::string>{"No Standard available in the unit"});
    EXPECT_EQ(user.selections, 0);
}

TEST_F(NormTransfer, ConfirmingNoLineSaysSoAndSearchesAgain) {
    start();
    user.choices = {std::vector<std::size_t>{}, std::vector<std::size_t>{6}};
    const auto download = downloadTesterNorms(user);
    ASSERT_TRUE(download.has_value());
    EXPECT_EQ(user.selections, 2);
    EXPECT_EQ(user.messageTexts(), std::vector<std::string>{"No selected Standard"});
    ASSERT_EQ(download->standards.size(), 1u);
    EXPECT_TRUE(download->standards[0].isOptical());
}

TEST_F(NormTransfer, AnUnreadableStandardIsReportedAndTheOthersRead) {
    start();
    const auto unit = unit_;
    tester().addCommand("SWEEP?", [unit](const Command &c, TesterError &raised) {
        const std::size_t n = std::stoul(c.args.at(0));
        if (n == 1 || n >= unit.standards.size()) {
            raised = {202, "sweep lost"};
            return Reply::binary("");
        }
        return Reply::binary(torvik::sim::encodeSweep(unit.standards[n]));
    });
    user.choices = {std::vector<std::size_t>{0, 1, 2}};
    const auto download = downloadTesterNorms(user);
    ASSERT_TRUE(download.has_value());
    ASSERT_EQ(download->standards.size(), 2u);
    EXPECT_EQ(download->standards[1].name, nameOf(2));
    EXPECT_EQ(user.messageTexts(), std::vector<std::string>{"Unable to read Standard \"" + nameOf(1) + "\""});
}

TEST_F(NormTransfer, CancelledSearchOrSelectionEndsWithoutStandards) {
    start();
    user.script.cancelAfterSteps = 2;
    EXPECT_FALSE(downloadTesterNorms(user).has_value());
    EXPECT_EQ(user.selections, 0);
    user.script.cancelAfterSteps = -1;
    user.choices = {std::nullopt};
    EXPECT_FALSE(downloadTesterNorms(user).has_value());
    EXPECT_TRUE(user.script.messages.empty());
}

TEST_F(NormTransfer, NoStandardReadableEndsWithoutDocument) {
    start();
    tester().addCommand("NORM_WIRES_NR?", [](const Command &, TesterError &raised) {
        raised = {203, "wires lost"};
        return Reply::line("");
    });
    user.choices = {std::vector<std::size_t>{0}};
    EXPECT_FALSE(downloadTesterNorms(user).has_value());
    EXPECT_EQ(user.script.messages.size(), 1u);
}

}  // namespace
