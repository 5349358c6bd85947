#include <gtest/gtest.h>

#include <vector>

#include "command_ids.h"

namespace quillet::cmd {
namespace {

std::vector<int> buttons(int resource) {
    const auto span = toolbarButtons(resource);
    return {span.begin(), span.end()};
}

TEST(Toolbars, ButtonOrderOfEachWindowKind) {
    EXPECT_EQ(buttons(2), (std::vector<int>{32771, 32772, 0, 32773, 32774, 0, 57607, 57609, 0, 57635, 57634, 57637,
                                            0, 32799, 57664, 57669}));
    EXPECT_EQ(buttons(3), (std::vector<int>{32771, 32772, 0, 32773, 32774, 0, 57603, 0, 57607, 57609, 0, 57635,
                                            57634, 57637, 0, 32785, 32786, 0, 32799, 57664, 57669}));
    EXPECT_EQ(buttons(4), (std::vector<int>{32771, 32772, 0, 32773, 32774, 0, 57603, 0, 57607, 57609, 0, 57635,
                                            57634, 57637, 0, 45000, 0, 45004, 45003, 45005, 0, 32799, 57664,
                                            57669}));
    EXPECT_EQ(buttons(5), (std::vector<int>{32771, 32772, 0, 32773, 32774, 0, 57603, 0, 57607, 57609, 0, 57635,
                                            57634, 57637, 0, 32799, 57664, 57669}));
    EXPECT_TRUE(buttons(6).empty());
}

TEST(Accelerators, EveryKeyOfTheMainAndAutotestTables) {
    std::vector<std::pair<std::string, int>> main;
    for (const auto &a : accelerators(2)) main.emplace_back(a.keys, a.command);
    const std::vector<std::pair<std::string, int>> expected = {
        {"Ctrl+N", 57600}, {"Ctrl+O", 57601},   {"Ctrl+S", 57603},        {"Ctrl+P", 57607},
        {"Ctrl+Z", 57643}, {"Alt+Backspace", 57643}, {"Ctrl+X", 57635},   {"Shift+Del", 57635},
        {"Ctrl+C", 57634}, {"Ctrl+Ins", 57634}, {"Ctrl+V", 57637},        {"Shift+Ins", 57637},
        {"F6", 57680},     {"Shift+F6", 57681}, {"Shift+F1", 57669},      {"F1", 57670}};
    EXPECT_EQ(main, expected);
    std::vector<std::pair<std::string, int>> autotest;
    for (const auto &a : accelerators(3)) autotest.emplace_back(a.keys, a.command);
    EXPECT_EQ(autotest, (std::vector<std::pair<std::string, int>>{{"Ctrl+A", 57642}, {"Esc", 32795}}));
    EXPECT_TRUE(accelerators(4).empty());
}

}  // namespace
}  // namespace quillet::cmd
