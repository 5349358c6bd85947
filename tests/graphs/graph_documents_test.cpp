// The graph documents without the tester: curve display names, the text
// export byte for byte (decimal separator, ADD and REPLACE, a failed
// write), the ADD choice of a save, deleting curves, limit curves of a
// standard without that kind, and the plot's reading of a document.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "curve_deletion.h"
#include "file_io.h"
#include "graph_curves.h"
#include "graph_export.h"
#include "graph_grouping.h"
#include "graph_plot_document.h"
#include "plug_curves.h"

namespace {

using namespace quillet;
using namespace quillet::graphs;
using model::CGrphMes;
using model::GraphFile;

CGrphMes curve(const std::string &title, int kind, int verdict, std::vector<float> mhz, std::vector<float> db,
               std::uint32_t timeStamp = 0) {
    CGrphMes c;
    c.title = title;
    c.kind = kind;
    c.verdictCode = verdict;
    c.timeStamp = timeStamp;
    for (float f : mhz) c.frequencies.Add(f);
    for (float v : db) c.values.Add(v);
    return c;
}

GraphFile twoCurves() {
    GraphFile file;
    file.siteList = "SITE A";
    file.curves.push_back(curve("Std:Limit: ", 0, -1, {1.0f, 100.0f}, {65.3f, 35.25f}));
    file.curves.push_back(curve("SITE A:P1:12/36", 0, 2, {1.0f, 100.0f, 250.0f}, {70.5f, 41.0f, -3.125f}));
    return file;
}

std::string readText(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class GraphExportFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("graph_export_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST(CurveDisplayName, VerdictAndDateFields) {
    struct Case {
        int verdict;
        std::uint32_t timeStamp;
        std::string expected;
    } cases[] = {
        {-1, 0, "T:NEXT: : "},  {0, 0, "T:NEXT: :FAIL"},  {1, 0, "T:NEXT: :FAIL*"},
        {2, 0, "T:NEXT: :PASS*"}, {3, 0, "T:NEXT: :PASS"}, {7, 0, "T:NEXT: : "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(curveDisplayName(curve("T", 0, c.verdict, {}, {}, c.timeStamp), Regional{}), c.expected)
            << c.verdict;
    // The date part of the time stamp alone, in the user's date order.
    const std::string dated = curveDisplayName(curve("T", 2, 3, {}, {}, 1700000000), Regional{});
    EXPECT_EQ(dated.substr(0, 7), "T:ATT:1");
    EXPECT_EQ(dated.substr(dated.size() - 5), ":PASS");
    EXPECT_EQ(std::count(dated.begin(), dated.end(), '/'), 2);
}

TEST(GraphExportText, ColumnsPerCurveInTheUsersDecimalSeparator) {
    Regional regional;
    regional.decimal = ',';
    const std::string text = graphExportText(twoCurves(), regional);
    EXPECT_EQ(text,
              "Std:Limit: :NEXT: : \t\tSITE A:P1:12/36:NEXT: :PASS*\t\t\r\n"
              "Frequency\tMeas.\tFrequency\tMeas.\t\r\n"
              "MHz\tdB\tMHz\tdB\t\r\n"
              "       1\t    65,3\t       1\t    70,5\t\r\n"
              "     100\t   35,25\t     100\t      41\t\r\n"
              "\t\t     250\t  -3,125\t\r\n");
}

TEST_F(GraphExportFiles, AddKeepsTheFileAndSeparatesWithCrCrLf) {
    const auto path = (dir / "out.txt").string();
    ASSERT_EQ(writeGraphExport(path, twoCurves(), Regional{}, GraphExportMode::Append), 0);  // missing: created
    const std::string once = readText(path);
    EXPECT_EQ(once.substr(0, 3), "Std");
    ASSERT_EQ(writeGraphExport(path, twoCurves(), Regional{}, GraphExportMode::Append), 0);
    EXPECT_EQ(readText(path), once + "\r\r\n" + once);
    ASSERT_EQ(writeGraphExport(path, twoCurves(), Regional{}, GraphExportMode::Replace), 0);
    EXPECT_EQ(readText(path), once);
}

TEST_F(GraphExportFiles, AFailedWriteLeavesNothingBehind) {
    const auto path = (dir / "missing" / "out.txt").string();
    EXPECT_NE(writeGraphExport(path, twoCurves(), Regional{}, GraphExportMode::Replace), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(GraphAdd, CurvesGoToTheEndAndNewSiteNamesToTheList) {
    GraphFile existing = twoCurves();
    existing.comment = "kept";
    GraphFile added = twoCurves();
    added.siteList = "SITE A, SITE B";
    added.curves.pop_back();
    addToGraphFile(existing, added);
    EXPECT_EQ(existing.comment, "kept");
    EXPECT_EQ(existing.siteList, "SITE A, SITE B");
    ASSERT_EQ(existing.curves.size(), 3u);
    EXPECT_EQ(existing.curves.back(), added.curves.front());
}

TEST_F(GraphExportFiles, SavingWithAddKeepsTheFilesCurvesFirst) {
    const auto path = (dir / "doc.frt").string();
    ASSERT_TRUE(saveGraphDocument(path, twoCurves(), true));  // a new file
    GraphFile more = twoCurves();
    more.curves.pop_back();
    ASSERT_TRUE(saveGraphDocument(path, more, true));
    auto added = model::loadGraphFile(path);
    ASSERT_TRUE(added);
    ASSERT_EQ(added.value().curves.size(), 3u);
    EXPECT_EQ(added.value().curves[2], more.curves[0]);
    ASSERT_TRUE(saveGraphDocument(path, more, false));
    EXPECT_EQ(model::loadGraphFile(path).value().curves.size(), 1u);

    // ADD to a file that is not a graph document leaves it as it was.
    const auto other = (dir / "other.frt").string();
    std::ofstream(other, std::ios::binary) << "not a graph document";
    EXPECT_FALSE(saveGraphDocument(other, more, true));
    EXPECT_EQ(readText(other), "not a graph document");
}

TEST(DeleteCurves, NeverAllAndSlotsFollowTheRenumbering) {
    GraphFile file = twoCurves();
    EXPECT_FALSE(deleteCurves(file, {1, 0}));
    EXPECT_EQ(file.curves.size(), 2u);
    EXPECT_TRUE(deleteCurves(file, {1, 1}));  // the last curve, named twice
    ASSERT_EQ(file.curves.size(), 1u);
    EXPECT_EQ(file.curves.front().title, "Std:Limit: ");
    EXPECT_FALSE(deleteCurves(file, {0}));  // the only curve left stays
    EXPECT_EQ(channelsAfterDeletion({3, 1, 2, 0}, 1), (std::vector<int>{2, 1, 0}));
}

TEST(LimitCurves, AStandardWithoutTheKindGivesNone) {
    model::CNorm standard;
    standard.maxFrequency = 250000;
    const std::vector<float> mhz{1.0f, 100.0f};
    EXPECT_FALSE(model::limitCurveAt(standard, 0, mhz).has_value());
    EXPECT_FALSE(model::limitCurveAt(standard, 9, mhz).has_value());
}

TEST(GraphPlotDocument, AnswersFromTheCurves) {
    const GraphFile file = twoCurves();
    GraphPlotDocument doc(file, "doc.frt", Regional{});
    EXPECT_EQ(doc.GetDocNbVoies(), 2);
    EXPECT_EQ(doc.GetDocVoieMnemo(1), "SITE A:P1:12/36:NEXT: :PASS*");
    EXPECT_EQ(doc.GetDocVoieMnemo(2), "Voie003");
    EXPECT_EQ(doc.GetDocVoieUnit(0), "dB");
    EXPECT_EQ(doc.GetDocVoieCapv(0), 1);
    EXPECT_EQ(doc.GetDocNbValeursVoie(1), 3);
    EXPECT_EQ(doc.GetDocNbValeursVoie(5), 0);
    double value = 0;
    int isDate = 1;
    EXPECT_EQ(doc.GetDocIiemeValeurVoie(1, 2, value, 0, nullptr), 0);
    EXPECT_DOUBLE_EQ(value, -3.125);
    EXPECT_EQ(doc.GetDocIiemeValeurVoie(1, 3, value, 0, nullptr), -1);
    EXPECT_DOUBLE_EQ(value, -1);
    EXPECT_EQ(doc.GetDocIiemeDateVoie(1, 2, value, isDate), 0);
    EXPECT_DOUBLE_EQ(value, 250);
    EXPECT_EQ(isDate, 0);
    plot::Bracket bracket;
    EXPECT_EQ(doc.GetDocBornesVoieAtDate(1, 180, bracket), 0);
    EXPECT_EQ(bracket.beforeIndex, 1);
    EXPECT_EQ(bracket.afterIndex, 2);
    EXPECT_EQ(doc.plotTitle(), "doc.frt");
    EXPECT_EQ(doc.abscissaName(), "Frequency");
    EXPECT_EQ(doc.abscissaUnit(), "MHz");

    plot::PlotModel model(doc);
    showAllCurves(model);
    EXPECT_TRUE(model.state().inverted);
}

}  // namespace
