#pragma once
// 工具 → 自动选型…: the lightest plate and stiffener that pass, for the loads, span, boundary,
// design basis and point load on show in the window. The engineer chooses the stiffener kind, the
// spacing (the window's, or a range), the least plate thickness and how many to list; 选型 lists
// the lightest passing designs as the command line's design ranks them, and 应用 (or a
// double-click on a row) takes one into the window.

#include <optional>
#include <string>
#include <vector>

#include "calc/checked.h"
#include "calc/design_basis.h"
#include "calc/point_load.h"
#include "form/dialog.h"
#include "sizing/design.h"

namespace deckplate::form {

// clang-format off
enum class SizingControl : int {
    Source,
    FamilyLabel, Family, ThicknessLabel, LeastThickness, TopLabel, Top,
    SpacingLabel, SpacingFrom, SpacingRange, SpacingTo, StepLabel, SpacingStep,
    Search, Status, Candidates, Apply, Close,
};
// clang-format on

/// The least plate thickness a platform's deck usually has, mm: the list starts there.
inline constexpr double kUsualLeastThickness = 4.0;
/// How many designs the list shows at most.
inline constexpr long long kMostListed = 1000;

class SizingDialog : public Dialog {
  public:
    /// Sizes `bay` (the window's: its loads, span, boundary, basis, grade, safety class and point
    /// load), starting from the window's spacing box as typed.
    SizingDialog(Platform& platform, BayInput bay, std::string spacing);

    /// The design taken into the window by 应用 or a double-click, once the dialog has closed.
    const std::optional<sizing::Candidate>& Applied() const { return applied_; }
    /// The designs on show, in the list's order.
    const std::vector<sizing::Candidate>& Listed() const { return listed_; }

  private:
    void OnClicked(int control) override;
    void OnChanged(int control) override;
    void OnRowTaken(int list) override;

    void RankDesigns();
    /// The request the dialog's boxes describe, or empty after saying what is wrong.
    std::optional<sizing::DesignRequest> ReadRequest();
    void Show(const sizing::DesignRequest& request, const sizing::DesignResult& result);
    /// Why every candidate faulted, naming what to change: the dialog's spacing when the window's
    /// inputs compute at a square panel (the spacing equal to the span), else the window's inputs.
    std::string FaultCause(const sizing::DesignRequest& request, ArithmeticFault fault) const;
    void TakePickedDesign();

    Platform& platform_;
    BayInput bay_;
    std::vector<sizing::Candidate> listed_;
    std::optional<sizing::Candidate> applied_;
};

/// The dialog's controls, in Tab order.
const DialogTable& SizingDialogTable();

}  // namespace deckplate::form
