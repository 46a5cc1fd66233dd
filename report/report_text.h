#pragma once
// The calculation report: a fixed-layout text that copies what the window shows at the moment
// the report button is pressed, and formats the stored section values and coefficients.
//
// Data flow: the window fills a ReportSnapshot → ReportText() builds the lines (UTF-8, CR LF
// between lines, none after the last) → EncodeGbk() gives the bytes of the file → the platform
// layer replaces the file atomically and starts the viewer.

#include <string>

namespace deckplate::report {

/// The window's texts and captions and its stored values, as UTF-8 texts and doubles.
struct ReportSnapshot {
    std::string Text1, Text2, Text3;     ///< dead load, live load, plate deflection limit "150"
    std::string Combo1;                  ///< plate thickness text, e.g. "4.5"
    std::string Text4, Text5;            ///< stiffener span, spacing
    std::string Text9, Text13;           ///< flat bar height, thickness
    std::string Combo2;                  ///< angle designation text
    bool Option1 = false;                ///< flat bar selected
    bool Check1 = false;                 ///< four edges simply supported ticked
    bool Check2 = false;                 ///< continuous ticked
    std::string Label38, Label39;        ///< composite Yo (cm), Ix (cm⁴) as displayed
    std::string Text6, Text7, Text8;     ///< plate moment, deflection, stress
    std::string Text10, Text11, Text12;  ///< stiffener moment, deflection, stress
    std::string Label13, Label14, Label20, Label21;  ///< verdict lines
    double AstiffenerE = 0, IStiffenerE = 0;         ///< flat bar A (cm²), Ix (cm⁴)
    double Aangle1 = 0, Iangle1 = 0, Yoangle1 = 0;   ///< angle A, Ix, y0
    double Alpha = 0, Beta = 0;                      ///< plate coefficients
    /// Under the current basis, the load combination as LoadCombinationText gives it
    /// ("1.3×恒+1.5×活（GB 55001-2021）"); empty under the legacy basis, whose report has no
    /// such line and stays as it always was.
    std::string LoadCombination;
    /// With 设置 → 集中荷载验算 on, the point load's lines follow all the others; off, the
    /// report stays as it always was.
    bool pointLoadShown = false;
    std::string Text14, Text15, Text16;              ///< force (kN), patch across and along (mm)
    std::string Text17, Text18, Text19, Text20;      ///< plate δ, σ; stiffener δ, σ
    std::string Label57, Label58, Label59, Label60;  ///< their verdict lines
};

/// The report as UTF-8 text: 42 lines (40 when no boundary box is ticked), one more with a load
/// combination, 14 more with the point load; CR LF between them.
std::string ReportText(const ReportSnapshot& window);

}  // namespace deckplate::report
