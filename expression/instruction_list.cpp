#include "expression/instruction_list.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <utility>

#include "expression/parsor.h"

namespace {

constexpr int MaxLevels = 30;
constexpr int MaxOperationsPerLevel = 50;

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double HalfPi = Pi / 2;
constexpr long double TwoPi = 2 * Pi;

// Beyond this the processor leaves sine and cosine unreduced; the formula gives 0.
constexpr long double ReductionLimit = 0x1p63L;

// u^n multiplies u by itself up to this many times; a longer product (which
// would take seconds per point) is computed by repeated squaring.
constexpr long double RepeatedProductLimit = 65536;

long double DomainError() {
    MathError = true;
    // The failed operation's result is never used: the run ends in ErrorValue.
    return 0;
}

// The processor's own sine and cosine: four times faster than the C library's
// and within 6e-20 of it on [-10, 10].
long double Sine(long double u) {
    if (std::fabs(u) >= ReductionLimit) return 0;
#if defined(__x86_64__) || defined(__i386__)
    asm("fsin" : "+t"(u));
    return u;
#else
    return std::sin(u);
#endif
}

long double Cosine(long double u) {
    if (std::fabs(u) >= ReductionLimit) return 0;
#if defined(__x86_64__) || defined(__i386__)
    asm("fcos" : "+t"(u));
    return u;
#else
    return std::cos(u);
#endif
}

long double Tangent(long double u) {
    long double sine = 0;
    long double cosine = 0;
    if (std::fabs(u) < ReductionLimit) {
#if defined(__x86_64__) || defined(__i386__)
        asm("fsincos" : "=t"(cosine), "=u"(sine) : "0"(u));
#else
        sine = std::sin(u);
        cosine = std::cos(u);
#endif
    }
    if (cosine == 0) return DomainError();
    return sine / cosine;
}

long double PowerBySquaring(long double u, long double count) {
    long double result = 1;
    long double base = u;
    while (count > 0) {
        const long double half = std::floor(count / 2);
        if (count != 2 * half) result *= base;
        base *= base;
        count = half;
    }
    return result;
}

long double RaiseToInteger(long double u, const Instruction& in) {
    long double product = 1;
    if (in.repeat >= 1 && in.repeat <= RepeatedProductLimit) {
        product = u;
        const auto count = static_cast<std::uint32_t>(in.repeat);
        for (std::uint32_t i = 1; i < count; ++i) product *= u;
    } else if (in.repeat > RepeatedProductLimit) {
        product = PowerBySquaring(u, in.repeat);
    }
    if (in.reciprocal && product != 0) product = 1 / product;
    return product;
}

std::mt19937_64& Generator() {
    static std::mt19937_64 generator;
    return generator;
}

// Uniform in [0, 1): 64 random bits fit the extended mantissa exactly.
long double UniformDraw() { return static_cast<long double>(Generator()()) * 0x1p-64L; }

// Rounded to an integer (ties to even) and taken modulo 65536; a value with no
// integer (infinity, NaN) counts as 0.
std::uint32_t Modulo65536(long double u) {
    const long double rounded = std::nearbyint(u);
    if (!std::isfinite(rounded)) return 0;
    long double rest = std::fmod(rounded, 65536.0L);
    if (rest < 0) rest += 65536;
    return static_cast<std::uint32_t>(rest);
}

long double DrawHit(long double u, long double v) {
    const std::uint32_t count = Modulo65536(u);
    const std::uint32_t draw =
        count == 0 ? 0 : std::uniform_int_distribution<std::uint32_t>(0, count - 1)(Generator());
    return draw == Modulo65536(v) ? 1 : 0;
}

long double DrawNormal(long double mean, long double deviation) {
    long double first = UniformDraw();
    if (first < 1e-20L) first = 1e-20L;
    const long double second = UniformDraw();
    return mean + deviation * std::sqrt(-2 * std::log(first)) * Cosine(TwoPi * second);
}

long double AngleOfPoint(long double u, long double v) {
    if (u == 0) return HalfPi;
    if (u > 0) return std::atan(v / u);
    if (v > 0) return std::atan(v / u) + Pi;
    return std::atan(v / u) - Pi;
}

long double HyperbolicTangent(long double u) {
    const long double plus = std::exp(u);
    const long double minus = std::exp(-u);
    // Where one exponential overflows the quotient would be inf/inf.
    if (std::isinf(plus)) return 1;
    if (std::isinf(minus)) return -1;
    return (plus - minus) / (plus + minus);
}

long double ArcSine(long double u) {
    if (u > -1 && u < 1) return std::atan(u / std::sqrt(1 - u * u));
    if (u == 1) return HalfPi;
    if (u == -1) return -HalfPi;
    return DomainError();
}

long double ArcCosine(long double u) {
    if (u > 0 && u <= 1) return std::atan(std::sqrt(1 - u * u) / u);
    if (u == 0) return HalfPi;
    if (u >= -1 && u < 0) return std::atan(std::sqrt(1 - u * u) / u) + Pi;
    return DomainError();
}

template <Opcode op>
[[gnu::always_inline]] inline long double Apply(long double u, long double v,
                                                const Instruction& in) {
    using enum Opcode;
    if constexpr (op == Add) return u + v;
    else if constexpr (op == Subtract) return u - v;
    else if constexpr (op == Multiply) return u * v;
    else if constexpr (op == Divide) return v != 0 ? u / v : DomainError();
    else if constexpr (op == IntegerPower) return RaiseToInteger(u, in);
    else if constexpr (op == Power) return u > 0 ? std::exp(v * std::log(u)) : DomainError();
    else if constexpr (op == Cos) return Cosine(u);
    else if constexpr (op == Sin) return Sine(u);
    else if constexpr (op == Exp) return std::exp(u);
    else if constexpr (op == Ln) return u > 0 ? std::log(u) : DomainError();
    else if constexpr (op == Sqrt) return u >= 0 ? std::sqrt(u) : DomainError();
    else if constexpr (op == Arctan) return std::atan(u);
    else if constexpr (op == Square) return u * u;
    else if constexpr (op == Cube) return u * u * u;
    else if constexpr (op == FourthPower) return u * u * u * u;
    else if constexpr (op == Abs) return std::fabs(u);
    else if constexpr (op == Max) return u > v ? u : v;
    else if constexpr (op == Min) return v < u ? v : u;
    else if constexpr (op == Heaviside) return u >= 0 ? 1 : 0;
    else if constexpr (op == PrincipalAngle) {
        const long double turns = u / TwoPi;
        return (turns - std::nearbyint(turns)) * TwoPi;
    }
    else if constexpr (op == RandomHit) return DrawHit(u, v);
    else if constexpr (op == Argument) return AngleOfPoint(u, v);
    else if constexpr (op == Sinh) return (std::exp(u) - std::exp(-u)) / 2;
    else if constexpr (op == Cosh) return (std::exp(u) + std::exp(-u)) / 2;
    else if constexpr (op == Radius) return std::sqrt(u * u + v * v);
    else if constexpr (op == RandomNormal) return DrawNormal(u, v);
    else if constexpr (op == Fraction) return u - std::trunc(u);
    else if constexpr (op == Less) return u < v ? 1 : 0;
    else if constexpr (op == Equal) return u == v ? 1 : 0;
    else if constexpr (op == LessOrEqual) return u <= v ? 1 : 0;
    else if constexpr (op == NotEqual) return u != v ? 1 : 0;
    else if constexpr (op == Tan) return Tangent(u);
    else if constexpr (op == Tanh) return HyperbolicTangent(u);
    else if constexpr (op == Arcsin) return ArcSine(u);
    else if constexpr (op == Arccos) return ArcCosine(u);
    else {
        static_assert(op == Negate, "every operation has its rule");
        return -u;
    }
}

template <bool FromCell>
[[gnu::always_inline]] inline long double Fetch(const long double* cell, const Instruction* sub) {
    if constexpr (FromCell) return *cell;
    else return sub->run(*sub);
}

// One handler per opcode and per kind of operands, so that reading a cell costs
// no call and computing an operand no test.
template <Opcode op, bool FirstFromCell, bool SecondFromCell>
long double Run(const Instruction& in) {
    if constexpr (IsCell(op)) {
        return *in.firstCell;
    } else if constexpr (HasTwoOperands(op)) {
        const long double u = Fetch<FirstFromCell>(in.firstCell, in.first);
        const long double v = Fetch<SecondFromCell>(in.secondCell, in.second);
        return Apply<op>(u, v, in);
    } else {
        return Apply<op>(Fetch<FirstFromCell>(in.firstCell, in.first), 0, in);
    }
}

using HandlerRow = std::array<Handler, 4>;

template <Opcode op>
constexpr HandlerRow HandlersOf() {
    return {&Run<op, false, false>, &Run<op, false, true>, &Run<op, true, false>,
            &Run<op, true, true>};
}

template <std::size_t... Code>
constexpr std::array<HandlerRow, OpcodeCount> MakeHandlerTable(std::index_sequence<Code...>) {
    return {HandlersOf<static_cast<Opcode>(Code)>()...};
}

constexpr std::array<HandlerRow, OpcodeCount> HandlerTable =
    MakeHandlerTable(std::make_index_sequence<OpcodeCount>{});

Handler HandlerFor(Opcode op, bool firstFromCell, bool secondFromCell) {
    return HandlerTable[static_cast<int>(op)][(firstFromCell ? 2 : 0) + (secondFromCell ? 1 : 0)];
}

// Counts the operations of each level (the top operation is level 1); false
// beyond the limits.
bool CountLevels(const SyntaxTree& tree, int node, int level, std::array<int, MaxLevels + 1>& count) {
    const SyntaxNode& n = tree.nodes[node];
    if (IsCell(n.opcode)) return true;
    if (level > MaxLevels || ++count[level] > MaxOperationsPerLevel) return false;
    if (!CountLevels(tree, n.first, level + 1, count)) return false;
    return n.second < 0 || CountLevels(tree, n.second, level + 1, count);
}

}  // namespace

std::unique_ptr<InstructionList> InstructionList::Build(
    const SyntaxTree& tree, const std::array<long double, 6>& parameters) {
    std::array<int, MaxLevels + 1> count{};
    if (!CountLevels(tree, tree.root, 1, count)) return nullptr;
    int operations = 0;
    for (int n : count) operations += n;

    std::unique_ptr<InstructionList> list(new InstructionList);
    list->parameters_ = parameters;
    // Instructions point at each other: the storage must never move.
    list->code_.reserve(std::max(operations, 1));
    const Operand top = list->emit(tree, tree.root);
    if (top.cell != nullptr) {
        Instruction single;
        single.opcode = tree.nodes[tree.root].opcode;
        single.firstCell = top.cell;
        single.run = HandlerFor(single.opcode, true, true);
        list->code_.push_back(single);
    }
    return list;
}

InstructionList::Operand InstructionList::emit(const SyntaxTree& tree, int node) {
    const SyntaxNode& n = tree.nodes[node];
    switch (n.opcode) {
    case Opcode::Variable: return {&variables_[n.cell], nullptr};
    case Opcode::Parameter: return {&parameters_[n.cell], nullptr};
    case Opcode::Constant:
    case Opcode::Pi: return {&constants_.emplace_back(n.value), nullptr};
    default: break;
    }
    Instruction in;
    in.opcode = n.opcode;
    const Operand first = emit(tree, n.first);
    in.firstCell = first.cell;
    in.first = first.computed;
    if (n.second >= 0) {
        const Operand second = emit(tree, n.second);
        in.secondCell = second.cell;
        in.second = second.computed;
        if (n.opcode == Opcode::IntegerPower) {
            in.repeat = std::trunc(std::fabs(*second.cell));
            in.reciprocal = *second.cell < 0;
        }
    }
    in.run = HandlerFor(n.opcode, in.firstCell != nullptr, in.secondCell != nullptr);
    code_.push_back(in);
    return {nullptr, &code_.back()};
}

long double InstructionList::run(long double x, long double y, long double z) {
    MathError = false;
    variables_ = {x, y, z};
    const Instruction& top = code_.back();
    const long double result = top.run(top);
    return MathError ? ErrorValue : result;
}

bool InstructionList::drawsRandomNumbers() const {
    for (const Instruction& in : code_)
        if (in.opcode == Opcode::RandomHit || in.opcode == Opcode::RandomNormal) return true;
    return false;
}

void ReseedRandomGenerator() {
    Generator().seed(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}
