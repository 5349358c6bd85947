// The rules of the plug-list commands without a window: identifier roots,
// sort masks and the proposed file names.
#include <gtest/gtest.h>

#include "plug_commands.h"

namespace {

using namespace quillet::autotest;

TEST(PlugCommands, IdentifierRootMatchesCaseInsensitivelyWithWildcards) {
    struct Case {
        const char *id, *root;
        bool matches;
    };
    for (const Case &c : {Case{"A12", "a1", true}, Case{"A12", "", true}, Case{"A12", "?1", true},
                          Case{"A12", "A12", true}, Case{"A12", "A123", false}, Case{"B12", "a", false},
                          Case{"a-7", "A-?", true}}) {
        EXPECT_EQ(plugIdMatchesRoot(c.id, c.root), c.matches) << c.id << " / " << c.root;
    }
}

TEST(PlugCommands, SortMaskAndFileNamesProposedFromTexts) {
    EXPECT_EQ(proposedSortMask("A07-3b"), "?XX?X?");
    EXPECT_EQ(proposedFileName("Test12", 8, ".tat"), "Test12.tat");
    EXPECT_EQ(proposedFileName("Building 4", 8, ".tat"), "Building.tat");
    EXPECT_EQ(proposedFileName("LongTitle99", 8, ".tat"), "LongTitl.tat");
    EXPECT_EQ(proposedFileName("a#b;c", 0, ".txt"), "a.txt");
    EXPECT_EQ(proposedFileName("site report", 0, ".txt"), "site.txt");
}

}  // namespace
