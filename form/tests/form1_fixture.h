#pragma once
// A started window model with a recording platform, and helpers that act as a user would.

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "form1.h"

namespace deckplate::form {

using enum Control;

class Form1Test : public testing::Test {
  public:
    Form1Test() { form.Form_Load(); }

    const ControlState& operator[](Control control) const { return form.State(control); }
    const std::string& Text(Control control) const { return form.State(control).text; }

    void Type(Control box, std::string_view text) { form.TextEdited(box, text); }
    void Pick(Control list, int position) { form.ListPicked(list, position); }
    void Click(Control control) { form.Clicked(control); }
    /// Ticks or clears a boundary box, clicking only when it must change.
    void Tick(Control box, bool ticked) {
        if (form.State(box).checked != ticked) Click(box);
    }

    /// The first worked bay: D = 1, P = 2, plate "6.0", span 2000, spacing 500, flat bar 80 × 8.
    void EnterFlatBarBay() {
        Type(Text1, "1");
        Type(Text2, "2");
        Pick(Combo1, 6);
        Type(Text4, "2000");
        Type(Text5, "500");
        Click(Option1);
        Type(Text9, "80");
        Type(Text13, "8");
    }

    /// The smallest angle's bay: D = 1, P = 2, plate "6.0", span 1500, spacing 600, no angle yet.
    void EnterAngleBay() {
        Type(Text1, "1");
        Type(Text2, "2");
        Pick(Combo1, 6);
        Type(Text4, "1500");
        Type(Text5, "600");
    }

    FakePlatform platform;
    Form1 form{platform};
};

}  // namespace deckplate::form
