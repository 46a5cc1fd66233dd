#pragma once
// A started window model with a recording platform, and helpers that act as a user would.

#include <gtest/gtest.h>

#include "form/form1.h"
#include "form/tests/fake_platform.h"

namespace deckplate::form {

using enum Control;

/// The first worked bay: D = 1, P = 2, plate "6.0", span 2000, spacing 500, flat bar 80 × 8.
inline void EnterFlatBarBay(Form1& form) {
    form.TextEdited(DeadLoad, "1");
    form.TextEdited(LiveLoad, "2");
    form.ListPicked(Thickness, 6);
    form.TextEdited(Span, "2000");
    form.TextEdited(Spacing, "500");
    form.Clicked(FlatBarChoice);
    form.TextEdited(FlatBarHeight, "80");
    form.TextEdited(FlatBarThickness, "8");
}

/// The smallest angle's bay: D = 1, P = 2, plate "6.0", span 1500, spacing 600, no angle yet.
inline void EnterAngleBay(Form1& form) {
    form.TextEdited(DeadLoad, "1");
    form.TextEdited(LiveLoad, "2");
    form.ListPicked(Thickness, 6);
    form.TextEdited(Span, "1500");
    form.TextEdited(Spacing, "600");
}

/// A started window over its own recording platform; a table's rows each take a fresh one. An
/// earlier run chose the legacy basis, whose numbers the window's tests hold unless they choose
/// the current one.
struct StartedForm {
    StartedForm() {
        platform.settings["basis"] = "legacy";
        form.Form_Load();
    }
    FakePlatform platform;
    Form1 form{platform};
};

class Form1Test : public testing::Test, public StartedForm {
  public:
    const std::string& Text(Control control) const { return form.State(control).text; }

    void Type(Control box, std::string_view text) { form.TextEdited(box, text); }
    void Pick(Control list, int position) { form.ListPicked(list, position); }
    void Click(Control control) { form.Clicked(control); }
    /// Ticks or clears a boundary box, clicking only when it must change.
    void Tick(Control box, bool ticked) {
        if (form.State(box).checked != ticked) Click(box);
    }
    void EnterFlatBarBay() { form::EnterFlatBarBay(form); }
    void EnterAngleBay() { form::EnterAngleBay(form); }
};

}  // namespace deckplate::form
