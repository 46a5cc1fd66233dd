#pragma once
// The design calculation of one platform bay, free of any window.
//
// Data flows in one direction:
//   typed text ──ParseNumber──▶ numbers (kN/m², mm)
//   CheckDeckPlate(…, DesignBasis) ──▶ DeckPlateResult (load factors, q, qk, f, α, β, M, σ, δ
//       and their display texts)
//   CheckStiffener(t, q, qk, …, FlatBar | AngleValues, DesignBasis) ──▶ StiffenerResult (plate
//       strip, composite section, Ms, δs, σs, f, self-weight and display texts)
//   Plate/Stiffener Strength/Deflection Verdict ──▶ pass or exceeded, with the fixed sentence
//       (a strength verdict judged against, and showing, the part's f).
// The design basis (design_basis.h) decides the load factors, f and β of a square panel; the
// legacy basis is what a caller gets without naming one.
// Every step is Checked arithmetic: a division by zero, overflow or 0/0 throws ArithmeticError
// naming the quantity; no infinity or NaN ever reaches a result or a text. The routines keep
// no state; the caller (the window, the command line) stores what it needs.

#include "calc/angle_catalogue.h"
#include "calc/bay_check.h"
#include "calc/bay_input.h"
#include "calc/checked.h"
#include "calc/checks.h"
#include "calc/deck_plate.h"
#include "calc/design_basis.h"
#include "calc/number_text.h"
#include "calc/plate_formulas.h"
#include "calc/plate_thicknesses.h"
#include "calc/stiffener.h"
