// The design command's own work: reading the spacing range and printing the table.
#include "cli/design_output.h"

#include <gtest/gtest.h>

#include <sstream>

#include "calc/angle_catalogue.h"
#include "input/values.h"

namespace deckplate::cli {
namespace {

using sizing::Candidate;
using sizing::DesignResult;

TEST(PrintDesign, ColumnsKeepABlankBetweenThemWhateverTheirWidth) {
    // As --spacings 100000000:100009999:1 gives: no column is wide enough for these.
    const Utilisation u{{Check::PlateStrength, 1816860465.116},
                        {Check::PlateDeflection, 606701304611650.5},
                        {Check::StiffenerStrength, 392448.812},
                        {Check::StiffenerDeflection, 482824.59}};
    DesignResult result;
    Candidate& c = result.closest.emplace();
    c.thickness = ThicknessOf(8);
    c.stiffener = CatalogueAngle{*FindAngle("L140x90x10")};
    c.spacing = 100000000;
    c.selfWeight = 12345678.9;
    c.utilisation = u;
    std::ostringstream out;
    PrintDesign(result, false, out);
    const std::string text = out.str();
    std::istringstream row(text.substr(text.rfind('\n', text.size() - 2) + 1));
    std::vector<std::string> cells;
    for (std::string cell; row >> cell;) cells.push_back(cell);
    EXPECT_EQ(cells, (std::vector<std::string>{"8.0", "L140x90x10", "100000000", "12345678.900",
                                               "1816860465.116", "606701304611650.500",
                                               "392448.812", "482824.590", "plate_deflection"}));
}

// The first line says what every candidate was checked under: the basis, and under the current
// basis the grade and the weld design takes for all.
TEST(PrintDesign, FirstLineSaysTheBasisAndTheWeldAssumed) {
    const struct {
        DesignBasis basis;
        const char* says;
    } cases[] = {
        {DesignBasis::Legacy, "candidates pass all four checks under the legacy basis;"},
        {DesignBasis::Current,
         "under the current basis (Q235, double-sided continuous fillet welds of the least leg);"},
    };
    for (const auto& c : cases) {
        DesignResult result;
        result.basis = c.basis;
        result.candidates = 1;
        result.passingCount = 1;
        Candidate& candidate = result.passing.emplace_back();
        candidate.thickness = ThicknessOf(6);
        candidate.stiffener = FlatBar{80, 8};
        candidate.spacing = 500;
        std::ostringstream out;
        PrintDesign(result, false, out);
        EXPECT_NE(out.str().find(c.says), std::string::npos) << out.str();
    }
}

TEST(ParseSpacings, FromToStep) {
    EXPECT_EQ(ParseSpacings("400:1000:100"),
              (std::vector<double>{400, 500, 600, 700, 800, 900, 1000}));
    EXPECT_EQ(ParseSpacings("500:500:1"), std::vector<double>{500});
    EXPECT_EQ(ParseSpacings("0.3:0.6:0.1").size(), 4u);
    for (const char* bad : {"400:1000", "400-1000-100", "a:b:c", "0:100:10", "500:400:10",
                            "400:1000:0", "1:1e9:1", "500:500:1e-300", "500:501:1e-20"})
        EXPECT_THROW(ParseSpacings(bad), input::ValueError) << bad;
}

}  // namespace
}  // namespace deckplate::cli
