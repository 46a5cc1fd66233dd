// The report's bytes against golden files, compared byte for byte. Regenerate a golden file
// only after reading the difference: DECKPLATE_UPDATE_GOLDEN=1 writes the current output.
#include "report/report_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>

#include "os/gbk.h"

namespace deckplate::report {
namespace {

// A check's value and verdict as the window shows them.
ReportCheck& Of(ReportSnapshot& w, Check check) {
    return w.checks[static_cast<std::size_t>(check)];
}

// D = 1, P = 2, plate "6.0", span = spacing = 600, flat bar 60 × 6, four edges (α = .065).
ReportSnapshot FlatBarFourEdges() {
    ReportSnapshot w;
    w.inputs = {{BayField::Dead, "1"},
                {BayField::Live, "2"},
                {BayField::Thickness, "6.0"},
                {BayField::Span, "600"},
                {BayField::Spacing, "600"},
                {BayField::FlatBarHeight, "60"},
                {BayField::FlatBarThickness, "6"},
                {BayField::Stiffener, ""}};
    w.deflectionLimit = "150";
    w.flatBar = true;
    w.simplySupported = true;
    w.compositeCentroid = " 1.12";
    w.compositeInertia = " 40.53";
    w.plateMoment = " .09";
    Of(w, Check::PlateDeflection).value = " .38";
    Of(w, Check::PlateStrength).value = " 13";
    w.stiffenerMoment = " .11";
    Of(w, Check::StiffenerDeflection).value = " .04";
    Of(w, Check::StiffenerStrength).value = " 12.16";
    Of(w, Check::PlateDeflection).verdict = "钢铺板挠度满足要求";
    Of(w, Check::PlateStrength).verdict = "钢铺板强度满足要求";
    Of(w, Check::StiffenerDeflection).verdict = "加劲肋挠度满足要求";
    Of(w, Check::StiffenerStrength).verdict = "加劲肋强度满足要求";
    w.AstiffenerE = 3.6;
    w.IStiffenerE = 10.8;
    w.Alpha = 0.065;
    w.Beta = 0.0433;
    return w;
}

// D = 1.5, P = 3.5, plate "4.5", span 1800, spacing 600, L50x32x3, continuous.
ReportSnapshot AngleContinuous() {
    ReportSnapshot w = FlatBarFourEdges();
    w.inputs = {{BayField::Dead, "1.5"},      {BayField::Live, "3.5"},
                {BayField::Thickness, "4.5"}, {BayField::Span, "1800"},
                {BayField::Spacing, "600"},   {BayField::Stiffener, "L50x32x3"}};
    w.flatBar = false;
    w.simplySupported = false;
    w.continuous = true;
    w.compositeCentroid = " 1.26";
    w.compositeInertia = " 29.16";
    w.plateMoment = " .24";
    Of(w, Check::PlateDeflection).value = " 3.8";
    Of(w, Check::PlateStrength).value = " 59.56";
    w.stiffenerMoment = " 1.63";
    Of(w, Check::StiffenerDeflection).value = " 6.83";
    Of(w, Check::StiffenerStrength).value = " 222.77";
    Of(w, Check::StiffenerStrength).verdict = "★加劲肋强度超出限值<215N/mm2>,须重新计算";
    w.Aangle1 = 2.431;
    w.Iangle1 = 6.24;
    w.Yoangle1 = 1.6;
    w.Alpha = 0.1;
    w.Beta = 0.11;
    return w;
}

// The same bay under the current basis: q = 1.3 · 1 + 1.5 · 2 = 4.3 and β = .0443, the
// numbers as deckplate-cli check --basis current gives them.
ReportSnapshot FlatBarFourEdgesCurrent() {
    ReportSnapshot w = FlatBarFourEdges();
    w.plateMoment = " .1";
    Of(w, Check::PlateDeflection).value = " .39";
    Of(w, Check::PlateStrength).value = " 13.98";
    w.stiffenerMoment = " .12";
    Of(w, Check::StiffenerStrength).value = " 13.07";
    w.Beta = 0.0443;
    w.loadCombination = "1.3×恒+1.5×活（GB 55001-2021）";
    return w;
}

// With the point load: D = 1, P = 2, plate "4.0", span 2000, spacing 500, L45x28x3, four
// edges, current basis; 1.5 kN on 200 × 200 fails the plate's deflection and the stiffener's
// strength, which the uniform check passes.
ReportSnapshot LightDeckPointLoad() {
    ReportSnapshot w = FlatBarFourEdgesCurrent();
    w.inputs[BayField::Thickness] = "4.0";
    w.inputs[BayField::Span] = "2000";
    w.inputs[BayField::Spacing] = "500";
    w.inputs[BayField::Stiffener] = "L45x28x3";
    w.flatBar = false;
    w.compositeCentroid = " 1.2";
    w.compositeInertia = " 20";
    w.plateMoment = " .13";
    Of(w, Check::PlateDeflection).value = " 2.02";
    Of(w, Check::PlateStrength).value = " 41.99";
    w.stiffenerMoment = " 1.08";
    Of(w, Check::StiffenerDeflection).value = " 7.58";
    Of(w, Check::StiffenerStrength).value = " 189.45";
    w.Aangle1 = 2.149;
    w.Iangle1 = 4.45;
    w.Yoangle1 = 1.47;
    w.Alpha = 0.125;
    w.Beta = 0.1422;
    w.pointLoadShown = true;
    w.inputs[BayField::PointLoad] = "1.5";
    w.inputs[BayField::PatchAcross] = "200";
    w.inputs[BayField::PatchAlong] = "200";
    Of(w, Check::PointLoadPlateDeflection).value = " 5.2";
    Of(w, Check::PointLoadPlateStrength).value = " 142.4";
    Of(w, Check::PointLoadStiffenerDeflection).value = " 8.6";
    Of(w, Check::PointLoadStiffenerStrength).value = " 255.54";
    Of(w, Check::PointLoadPlateDeflection).verdict =
        "★钢铺板集中荷载挠度 5.2mm超出限值< 2.5mm>,须重新计算";
    Of(w, Check::PointLoadPlateStrength).verdict = "钢铺板集中荷载强度满足要求";
    Of(w, Check::PointLoadStiffenerDeflection).verdict = "加劲肋集中荷载挠度满足要求";
    Of(w, Check::PointLoadStiffenerStrength).verdict =
        "★加劲肋集中荷载强度超出限值<215N/mm2>,须重新计算";
    return w;
}

struct GoldenCase {
    const char* name;
    std::function<ReportSnapshot()> snapshot;
    int lines;
};
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class GoldenReportTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReportTest, MatchesByteForByte) {
    const GoldenCase& c = GetParam();
    const std::string bytes = os::EncodeGbk(ReportText(c.snapshot()));
    std::string path = GOLDEN_DIR;  // appended: GCC 12 warns wrongly on "…" + name + "…"
    path.append("/").append(c.name).append(".txt");
    if (std::getenv("DECKPLATE_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << bytes;
    std::ifstream golden(path, std::ios::binary);
    ASSERT_TRUE(golden) << path;
    EXPECT_EQ(bytes, std::string(std::istreambuf_iterator<char>(golden), {}));
    const auto count = [&](std::string_view what) {
        std::size_t n = 0;
        for (auto at = bytes.find(what); at != std::string::npos; at = bytes.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("\r\n"), static_cast<std::size_t>(c.lines - 1));  // none after the last line
    EXPECT_EQ(count("\n"), count("\r\n"));
    EXPECT_FALSE(bytes.ends_with("\r\n"));
    EXPECT_FALSE(bytes.starts_with("\xef\xbb\xbf"));
}

INSTANTIATE_TEST_SUITE_P(Reports, GoldenReportTest,
                         testing::Values(GoldenCase{"flat_bar_four_edges", FlatBarFourEdges, 42},
                                         GoldenCase{"current_basis", FlatBarFourEdgesCurrent, 43},
                                         GoldenCase{"point_load", LightDeckPointLoad, 57},
                                         GoldenCase{"point_load_patch_cut",
                                                    [] {
                                                        // The results stay the 200 × 200
                                                        // patch's: the row is about the line.
                                                        ReportSnapshot w = LightDeckPointLoad();
                                                        w.inputs[BayField::PatchAcross] = "100000";
                                                        w.inputs[BayField::PatchAlong] = "100000";
                                                        w.patchCutTo = {{500, 2000}};
                                                        return w;
                                                    },
                                                    58},
                                         GoldenCase{"angle_continuous", AngleContinuous, 42},
                                         GoldenCase{"no_boundary_box",
                                                    [] {
                                                        ReportSnapshot w = FlatBarFourEdges();
                                                        w.simplySupported = false;
                                                        return w;
                                                    },
                                                    40},
                                         GoldenCase{"both_boundary_boxes",
                                                    [] {
                                                        ReportSnapshot w = FlatBarFourEdges();
                                                        w.continuous = true;
                                                        w.Alpha = 0.1;
                                                        w.Beta = 0.11;
                                                        return w;
                                                    },
                                                    42},
                                         GoldenCase{"negative_stored_value",
                                                    [] {
                                                        ReportSnapshot w = FlatBarFourEdges();
                                                        w.AstiffenerE = -1.5;
                                                        w.IStiffenerE = -0.25;
                                                        return w;
                                                    },
                                                    42},
                                         GoldenCase{"character_outside_gbk",
                                                    [] {
                                                        ReportSnapshot w = FlatBarFourEdges();
                                                        w.inputs[BayField::Dead] =
                                                            "1\xf0\x9f\x98\x80kN";  // "1😀kN"
                                                        return w;
                                                    },
                                                    42}),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(ReportText, LinesTheReaderChecksFirst) {
    const auto flat = Lines(ReportText(FlatBarFourEdges()));
    ASSERT_EQ(flat.size(), 42u);
    EXPECT_EQ(flat[2], "钢平台铺板及加劲肋计算 ");
    EXPECT_EQ(flat[13], "加劲肋跨度(mm)：600");  // the stiffener span, labelled as such
    EXPECT_EQ(flat[18], "扁钢面积(cm2)：A= 3.6        扁钢惯性矩(cm4)： Ix= 10.8");
    EXPECT_EQ(flat[22], "四边简支无肋铺板的弯矩计算系数： α= .065");
    EXPECT_EQ(flat[41], "提示：加劲肋强度满足要求");

    const auto current = Lines(ReportText(FlatBarFourEdgesCurrent()));
    EXPECT_EQ(current[9], "加劲肋挠度限值： 1/200");
    EXPECT_EQ(current[10], "荷载组合：1.3×恒+1.5×活（GB 55001-2021）");
    EXPECT_EQ(current[11], "");

    const auto angle = Lines(ReportText(AngleContinuous()));
    EXPECT_EQ(angle[15], "加劲肋类型：不等边角钢");
    EXPECT_EQ(angle[17], "角钢面积(cm2)： A= 2.431        角钢惯性矩(cm4)： Ix= 6.24");
    // The centroid distance, as the window captions it; no radius of gyration is computed.
    EXPECT_EQ(angle[18], "角钢形心与短肢边距(cm)： y0= 1.6");
    EXPECT_EQ(angle[22], "三跨及三跨以上连续铺板的弯矩计算系数： α= .1");

    ReportSnapshot neither = FlatBarFourEdges();
    neither.simplySupported = false;
    const auto withoutBoundary = Lines(ReportText(neither));
    EXPECT_EQ(withoutBoundary[21], "边界条件：");
    EXPECT_EQ(withoutBoundary[22], "组合截面参数：");
}

}  // namespace
}  // namespace deckplate::report
