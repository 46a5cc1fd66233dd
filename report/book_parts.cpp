#include "report/book_parts.h"

#include <algorithm>

#include "calc/number_text.h"

namespace deckplate::report {

using namespace math;

namespace {

// The stiffener's depth below the plate, mm: a flat bar's height, an angle's long leg.
double StiffenerDepth(const Stiffener& stiffener) {
    if (const auto* bar = std::get_if<FlatBar>(&stiffener)) return bar->height;
    return std::get<AngleValues>(stiffener).H;
}

// A figure's decimals: 2 for "17.36".
int Decimals(const Figure& figure) {
    const std::size_t point = figure.digits.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(figure.digits.size() - point - 1);
}

// Whether two printed numbers stand in the relation the verdict judged: value < limit when it
// passed, value ≥ limit when it was exceeded.
bool ReadsAsJudged(const Figure& value, const Figure& limit, bool exceeded) {
    return exceeded ? ValueOf(value) >= ValueOf(limit) : ValueOf(value) < ValueOf(limit);
}

}  // namespace

BookContext ContextOf(const BookInput& input, const BayCheck& check, std::string idPrefix) {
    return {.input = input,
            .check = check,
            .utilisation = Utilisations(check),
            .figures = FiguresOf(input.bay, check),
            .idPrefix = std::move(idPrefix)};
}

void AddTo(doc::Runs& runs, std::string_view text) {
    if (text.empty()) return;
    if (!runs.empty()) {
        if (auto* last = std::get_if<doc::TextRun>(&runs.back());
            last && last->script == doc::Script::Baseline && !last->bold && !last->italic) {
            last->text += text;
            return;
        }
    }
    runs.push_back(doc::Words(text));
}
void AddTo(doc::Runs& runs, doc::TextRun run) {
    if (run.script == doc::Script::Baseline && !run.bold && !run.italic)
        AddTo(runs, std::string_view(run.text));
    else
        runs.push_back(std::move(run));
}
void AddTo(doc::Runs& runs, doc::FormulaRun run) { runs.push_back(std::move(run)); }
void AddTo(doc::Runs& runs, const doc::Runs& more) {
    for (const doc::Run& run : more) {
        if (const auto* text = std::get_if<doc::TextRun>(&run))
            AddTo(runs, *text);
        else
            runs.push_back(run);
    }
}

doc::Runs Subscripted(std::string_view letter, std::string_view subscript) {
    return Line(letter, doc::Sub(subscript));
}

doc::Block Body(doc::Runs runs) { return {doc::Paragraph{std::move(runs)}}; }
doc::Block Note(doc::Runs runs) {
    return {doc::Paragraph{std::move(runs), doc::ParagraphLook::Note}};
}
doc::Block Formula(Expr formula, std::optional<Expr> continued) {
    return {doc::FormulaBlock{std::move(formula), std::move(continued)}};
}
doc::Block SectionHeading(const BookContext& book, std::string_view id, std::string_view title) {
    return {doc::Heading{2, Line(title), Cat(book.idPrefix, id)}};
}
doc::Block SubHeading(std::string_view title) { return {doc::Heading{3, Line(title)}}; }
void Append(Blocks& blocks, Blocks more) {
    blocks.insert(blocks.end(), std::make_move_iterator(more.begin()),
                  std::make_move_iterator(more.end()));
}

doc::Cell HeadCell(doc::Runs runs) { return {.runs = std::move(runs), .header = true}; }
doc::Cell PlainCell(doc::Runs runs, int span) { return {.runs = std::move(runs), .span = span}; }

std::string BookCheckName(const CheckRow& check) {
    // The weld's strength as its verdict names it in the window: 焊缝强度, 焊缝集中荷载强度.
    if (check.id == Check::WeldStrength) return "焊缝强度";
    if (check.id == Check::PointLoadWeldStrength) return "焊缝集中荷载强度";
    return Cat(check.member == Member::Plate ? "钢" : "", check.name);
}

PrintedComparison Compared(const CheckRow& check, const BayCheck& c) {
    const ShownValue shown = check.shown(c);
    const double value = check.value(c), limit = check.limit(c);
    const bool exceeded = check.verdict(c).exceeded;
    const auto limitFigure = [&](int more) {
        if (check.measure == Measure::Stress && more == 0) return Exact(limit);
        if (check.measure == Measure::Ratio) return Fixed(limit, 2 + more);
        return Significant(limit, more);
    };
    // A rule of detailing compares whole millimetres as given: no digits to add.
    if (check.measure == Measure::Length) return {Exact(value), Exact(limit)};
    PrintedComparison printed{Shown(shown), limitFigure(0)};
    for (int more = 1; more <= 4 && !ReadsAsJudged(printed.value, printed.limit, exceeded); ++more)
        printed = {Fixed(value, Decimals(Shown(shown)) + more), limitFigure(more)};
    return printed;
}

doc::Runs SymbolRuns(const Symbol& symbol) {
    doc::Runs runs = Line(symbol.letter);
    if (!symbol.subscript.empty()) runs.push_back(doc::Sub(symbol.subscript));
    if (!symbol.superscript.empty()) runs.push_back(doc::Sup(symbol.superscript));
    return runs;
}

doc::Runs RuleRuns(const LimitRule& rule) {
    const doc::Runs symbol = SymbolRuns(rule.symbol);
    switch (rule.form) {
        case LimitRule::Form::Strength:
            return symbol;
        case LimitRule::Form::LengthOver:
            return Line(symbol, "/", Text(Exact(rule.ratio)));
        case LimitRule::Form::CappedLengthOver:
            return Line("min(", symbol, "/", Text(Exact(rule.ratio)), ", ", Text(Exact(rule.cap)),
                        ")");
        case LimitRule::Form::TimesEpsilonK:
            break;
    }
    return Line(Text(Exact(rule.ratio)), "ε", doc::Sub("k"));
}

std::string_view UnitOf(Measure measure) {
    switch (measure) {
        case Measure::Stress:
            return " N/mm²";
        case Measure::Deflection:
        case Measure::Length:
            return " mm";
        case Measure::Ratio:
            break;
    }
    return "";
}

doc::Block VerdictOf(const BookContext& book, Check id) {
    const CheckRow& check = RowOf(id);
    const bool exceeded = check.verdict(book.check).exceeded;
    const PrintedComparison printed = Compared(check, book.check);
    const std::string_view unit = UnitOf(check.measure);
    return {doc::Verdict{
        exceeded,
        Line(exceeded ? "★" : "", BookCheckName(check), "：", SymbolRuns(check.symbol(book.check)),
             " = ", Text(printed.value), unit, " ", RelationOf(check, book.check), " ",
             RuleRuns(check.limitRule(book.check)), " = ", Text(printed.limit), unit,
             exceeded ? "，超出限值，须修改设计。" : "，满足要求。")}};
}

std::string_view StiffenerKind(const BookContext& book) { return book.FlatBar() ? "扁钢" : "角钢"; }

std::string StiffenerTitle(const BookContext& book) {
    const std::string name = StiffenerName(book.input.bay.stiffener);
    return Cat(book.FlatBar() ? "扁钢 " : "不等边角钢 ",
               name.empty() ? std::string("（未选规格）") : doc::Clean(name));
}

std::string_view Relation(bool exceeded) { return exceeded ? "≥" : "<"; }

std::string_view RelationOf(const CheckRow& check, const BayCheck& c) {
    const bool exceeded = check.verdict(c).exceeded;
    if (check.measure != Measure::Length) return Relation(exceeded);
    // A rule of detailing asks for at least its length, but the gap between segments for at
    // most.
    if (c.weldDetailing->broken == WeldRule::GapTooWide) return ">";
    return exceeded ? "<" : "≥";
}

Figure SteelModulus() {
    Figure e = Exact(kSteelModulus / 1e5);
    e.tenPower = 5;
    return e;
}

Figure KilonewtonMetres(const Figure& newtonMillimetres) {
    // The decimal point moves by the power of ten less six: the digits stay as they are.
    const std::string& text = newtonMillimetres.digits;
    const bool negative = !text.empty() && text.front() == '-';
    std::string digits;
    long long point = -1;
    for (const char c : std::string_view(text).substr(negative ? 1 : 0)) {
        if (c == '.')
            point = static_cast<long long>(digits.size());
        else
            digits += c;
    }
    if (point < 0) point = static_cast<long long>(digits.size());
    const long long at = point + newtonMillimetres.tenPower - 6;
    const long long size = static_cast<long long>(digits.size());
    std::string shifted;
    if (at <= 0)
        shifted = Cat("0.", std::string(static_cast<std::size_t>(-at), '0'), digits);
    else if (at >= size)
        shifted = Cat(digits, std::string(static_cast<std::size_t>(at - size), '0'));
    else
        shifted = Cat(digits.substr(0, static_cast<std::size_t>(at)), ".",
                      digits.substr(static_cast<std::size_t>(at)));
    return {Cat(negative ? "-" : "", shifted), 0};
}

Expr StiffenerMomentResult(const Figure& newtonMillimetres) {
    return {Mo("="),
            Mn(newtonMillimetres),
            Unit("N·mm"),
            Mo("="),
            Mn(KilonewtonMetres(newtonMillimetres)),
            Unit("kN·m")};
}

Blocks FibreStressFormulas(const BookContext& book, const StiffenerFigures& stiffener, double f,
                           bool exceeded) {
    const BayInput& bay = book.input.bay;
    const BookFigures& figures = book.figures;
    const Expr Ms = SubscriptedSymbol("M", "s"), Ix = SubscriptedSymbol("I", "x"),
               Yo = SubscriptedSymbol("Y", "o");
    const StiffenerResult& section = book.check.stiffener;
    const double depth = StiffenerDepth(StiffenerSection(bay.stiffener));
    const auto fibre = [&](std::string_view name, const Expr& lever, double gamma,
                           const Expr& leverNumbers, const Figure& stress, std::string_view where) {
        return Expr{SubscriptedSymbol("σ", name),
                    Mo("="),
                    Mfrac({Ms, Mo("·"), lever}, {GammaX(Cat("x", name)), Mo("·"), Ix}),
                    Mo("="),
                    Mfrac({Mn(stiffener.Ms), Mo("×"), leverNumbers},
                          {Mn(Exact(gamma)), Mo("×"), Mn(figures.Ix)}),
                    Mo("="),
                    Mn(stress),
                    Unit("N/mm²"),
                    Mtext(Cat("（", where, "）"))};
    };
    Expr top =
        fibre("1", Yo, section.topGamma, Mn(figures.Yo), stiffener.stressTop, "上缘，钢铺板顶面");
    // The lever below the axis with its parts, so that it is worked from Yo as shown.
    const Expr bottomLever = Parenthesised(
        {Mn(Exact(bay.thickness.mm)), Mo("+"), Mn(Exact(depth)), Mo("−"), Mn(figures.Yo)});
    Expr bottom = fibre("2", Parenthesised({Mi("t"), Mo("+"), Mi("h"), Mo("−"), Yo}),
                        section.bottomGamma, bottomLever, stiffener.stressBottom,
                        book.FlatBar() ? "下缘，扁钢肋端" : "下缘，角钢短肢外缘");
    Expr governing{
        SubscriptedSymbol("σ", "s"),
        Mo("="),
        Mi("max"),
        Parenthesised({SubscriptedSymbol("σ", "1"), Mo(","), SubscriptedSymbol("σ", "2")}),
        Mo("="),
        Mn(stiffener.stress),
        Unit("N/mm²"),
        Mo(Relation(exceeded)),
        Mi("f"),
        Mo("="),
        Mn(Exact(f)),
        Unit("N/mm²")};
    return {Formula(std::move(top)), Formula(std::move(bottom)), Formula(std::move(governing))};
}

Expr PlateStressFormula(const Figure& moment, double thickness, const Figure& stress, bool exceeded,
                        double f) {
    // Per millimetre of plate width: 1 kN·m/m is 10³ N·mm/mm.
    const Figure perMillimetre = Scaled(moment, 3);
    return {
        Mi("σ"),
        Mo("="),
        Mfrac({Mn(Exact(6)), Mo("·"), Mi("M")}, {GammaX(), Mo("·"), Msup(Mi("t"), Mn(Exact(2)))}),
        Mo("="),
        Mfrac({Mn(Exact(6)), Mo("×"), Mn(perMillimetre)},
              {Mn(Exact(kPlateGamma)), Mo("×"), Msup(Mn(Exact(thickness)), Mn(Exact(2)))}),
        Mo("="),
        Mn(stress),
        Unit("N/mm²"),
        Mo(Relation(exceeded)),
        Mi("f"),
        Mo("="),
        Mn(Exact(f)),
        Unit("N/mm²")};
}

StiffenerDeflectionLines StiffenerDeflectionLimit(const Figure& deflection,
                                                  const DeflectionVerdict& verdict) {
    return {Expr{Mo("="), Mn(deflection), Unit("mm"), Mo(Relation(verdict.exceeded)),
                 Mfrac(Mi("L"), Mn(Exact(verdict.limit))), Mo("="),
                 Mn(Significant(verdict.allowed)), Unit("mm")},
            doc::Inline({Mi("L"), Mo("/"), SubscriptedSymbol("δ", "s"), Mo("="),
                         Mn(Fixed(RoundDecimals(verdict.ratio, 1), 1)),
                         Mo(verdict.exceeded ? "≤" : ">"), Mn(Exact(verdict.limit))})};
}

Expr DeadSymbol(const BookContext& book) {
    return book.figures.selfWeight ? SubscriptedSymbol("G", "k") : Mi("D");
}

doc::Runs DeadSymbolWords(const BookContext& book) {
    return book.figures.selfWeight ? Subscripted("G", "k") : Line("D");
}

StiffenerLoadSymbols StiffenerLoadsOf(const BookContext& book) {
    if (!book.SupportShare()) return {Mi("q"), SubscriptedSymbol("q", "k"), Mi("P")};
    return {SubscriptedSymbol("q", "s"), SubscriptedSymbol("q", "sk"),
            SubscriptedSymbol("q", "sQ")};
}

int WeldSectionNumber(const BookContext&) { return 6; }

int PointLoadSectionNumber(const BookContext& book) { return book.check.weld ? 7 : 6; }

int ConclusionSectionNumber(const BookContext& book) {
    return PointLoadSectionNumber(book) + (book.check.pointLoad ? 1 : 0);
}

Expr GammaX(std::string_view subscript) { return SubscriptedSymbol("γ", subscript); }

Expr SubscriptedSymbol(std::string_view symbol, std::string_view subscript) {
    return Msub(Mi(symbol), Mi(subscript));
}

doc::Block ShearStressFormula(const BookContext& book, const ShearCheck& shear,
                              const ShearFigures& figures) {
    const bool plate = shear.cut == AxisCut::Plate;
    const Expr w = plate                            ? SubscriptedSymbol("b", "e")
                   : shear.cut == AxisCut::ShortLeg ? Mi("b")
                                                    : SubscriptedSymbol("t", "w");
    const Figure width = plate ? book.figures.be : Exact(shear.width);
    return Formula({Mi("τ"), Mo("="),
                    Mfrac({Mi("V"), Mo("·"), Mi("S")}, {SubscriptedSymbol("I", "x"), Mo("·"), w}),
                    Mo("="),
                    Mfrac({Mn(Scaled(figures.V, 3)), Mo("×"), Mn(book.figures.current->S)},
                          {Mn(book.figures.Ix), Mo("×"), Mn(width)}),
                    Mo("="), Mn(figures.tau), Unit("N/mm²"), Mo(Relation(shear.verdict.exceeded)),
                    SubscriptedSymbol("f", "v"), Mo("="), Mn(Exact(shear.fv)), Unit("N/mm²")});
}

}  // namespace deckplate::report
