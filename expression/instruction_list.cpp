#include "expression/instruction_list.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <numbers>
#include <random>
#include <utility>

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

// The C library takes the 80-bit logarithm from the processor: fyl2xp1 on u - 1
// near 1, fyl2x elsewhere. Done the same way here it gives the same values,
// without the two calls and the checks around it. u > 0.
long double Logarithm(long double u) {
#if defined(__x86_64__)
    constexpr long double Ln2 = std::numbers::ln2_v<long double>;
    constexpr long double NearOne = 0.29;  // the library's bound, a double
    long double offset = u - 1;
    if (std::fabs(offset) > NearOne) {
        asm("fyl2x" : "+t"(u) : "u"(Ln2) : "st(1)");
        return u;
    }
    if (offset == 0) return 0;
    asm("fyl2xp1" : "+t"(offset) : "u"(Ln2) : "st(1)");
    return offset;
#else
    return std::log(u);
#endif
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

// One generator for every thread: the plane graph evaluates its curves on two
// at once, and a draw must not see another one half done.
struct SharedGenerator {
    std::mutex mutex;
    std::mt19937_64 engine;
};

SharedGenerator& TheGenerator() {
    static SharedGenerator generator;
    return generator;
}

template <typename Use>
auto WithGenerator(Use use) {
    SharedGenerator& generator = TheGenerator();
    const std::lock_guard lock(generator.mutex);
    return use(generator.engine);
}

// Uniform in [0, 1): 64 random bits fit the extended mantissa exactly.
long double UniformDraw() {
    return static_cast<long double>(WithGenerator([](std::mt19937_64& engine) { return engine(); })) * 0x1p-64L;
}

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
    const std::uint32_t draw = count == 0 ? 0 : WithGenerator([count](std::mt19937_64& engine) {
        return std::uniform_int_distribution<std::uint32_t>(0, count - 1)(engine);
    });
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
    else if constexpr (op == Power) return u > 0 ? std::exp(v * Logarithm(u)) : DomainError();
    else if constexpr (op == Cos) return Cosine(u);
    else if constexpr (op == Sin) return Sine(u);
    else if constexpr (op == Exp) return std::exp(u);
    else if constexpr (op == Ln) return u > 0 ? Logarithm(u) : DomainError();
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

// An operand of a small operation done in place: a cell, a variable or a squared variable.
[[gnu::always_inline]] inline long double SimpleOperand(const Operand& operand,
                                                      VariableValues variables) {
    switch (operand.kind) {
    case OperandKind::Cell: return *operand.cell;
    case OperandKind::Variable: return *variables[operand.variable];
    default: {
        const long double u = *variables[operand.variable];
        return u * u;
    }
    }
}

[[gnu::always_inline]] inline long double ApplyArithmetic(Opcode op, long double u,
                                                        long double v) {
    switch (op) {
    case Opcode::Add: return u + v;
    case Opcode::Subtract: return u - v;
    case Opcode::Multiply: return u * v;
    default: return v != 0 ? u / v : DomainError();
    }
}

[[gnu::always_inline]] inline long double InPlace(const Arithmetic& operation,
                                                VariableValues variables) {
    const long double u = SimpleOperand(operation.first, variables);
    const long double v = SimpleOperand(operation.second, variables);
    return ApplyArithmetic(operation.opcode, u, v);
}

[[gnu::always_inline]] inline long double NestedOperand(const Operand& operand,
                                                      VariableValues variables) {
    if (operand.kind == OperandKind::Arithmetic) return InPlace(*operand.arithmetic, variables);
    return SimpleOperand(operand, variables);
}

[[gnu::always_inline]] inline long double NestedInPlace(const Arithmetic& operation,
                                                      VariableValues variables) {
    const long double u = NestedOperand(operation.first, variables);
    const long double v = NestedOperand(operation.second, variables);
    return ApplyArithmetic(operation.opcode, u, v);
}

template <OperandKind kind>
[[gnu::always_inline]] inline long double Fetch(const Operand& operand, VariableValues variables) {
    using enum OperandKind;
    if constexpr (kind == Computed) {
        return operand.computed->run(*operand.computed, variables);
    } else if constexpr (kind == Cell) {
        return *operand.cell;
    } else if constexpr (kind == Variable) {
        return *variables[operand.variable];
    } else if constexpr (kind == SquaredVariable) {
        const long double u = *variables[operand.variable];
        return u * u;
    } else if constexpr (kind == Arithmetic) {
        return InPlace(*operand.arithmetic, variables);
    } else {
        return NestedInPlace(*operand.arithmetic, variables);
    }
}

// One handler per opcode and per kind of operands, so that reading a cell costs
// no call and computing an operand no test.
template <Opcode op, OperandKind FirstKind, OperandKind SecondKind>
long double Run(const Instruction& in, VariableValues variables) {
    if constexpr (IsCell(op)) {
        return Fetch<FirstKind>(in.first, variables);
    } else if constexpr (HasTwoOperands(op)) {
        const long double u = Fetch<FirstKind>(in.first, variables);
        const long double v = Fetch<SecondKind>(in.second, variables);
        return Apply<op>(u, v, in);
    } else {
        return Apply<op>(Fetch<FirstKind>(in.first, variables), 0, in);
    }
}

constexpr int KindCount = 6;
using HandlerRow = std::array<Handler, KindCount * KindCount>;

template <Opcode op, std::size_t... Pair>
constexpr HandlerRow HandlersOf(std::index_sequence<Pair...>) {
    // A one-operand operation has a single handler per kind of its operand.
    constexpr auto second = [](std::size_t pair) {
        return HasTwoOperands(op) ? static_cast<OperandKind>(pair % KindCount)
                                  : OperandKind::Computed;
    };
    return {&Run<op, static_cast<OperandKind>(Pair / KindCount), second(Pair)>...};
}

template <std::size_t... Code>
constexpr std::array<HandlerRow, OpcodeCount> MakeHandlerTable(std::index_sequence<Code...>) {
    return {HandlersOf<static_cast<Opcode>(Code)>(
        std::make_index_sequence<KindCount * KindCount>{})...};
}

constexpr std::array<HandlerRow, OpcodeCount> HandlerTable =
    MakeHandlerTable(std::make_index_sequence<OpcodeCount>{});

Handler HandlerFor(Opcode op, OperandKind first, OperandKind second) {
    return HandlerTable[static_cast<int>(op)]
                       [static_cast<int>(first) * KindCount + static_cast<int>(second)];
}

bool IsInPlaceArithmetic(Opcode op) {
    return op == Opcode::Add || op == Opcode::Subtract || op == Opcode::Multiply
           || op == Opcode::Divide;
}

bool IsSimple(const Operand& operand) {
    return operand.kind == OperandKind::Cell || operand.kind == OperandKind::Variable
           || operand.kind == OperandKind::SquaredVariable;
}

bool IsSimpleOrArithmetic(const Operand& operand) {
    return IsSimple(operand) || operand.kind == OperandKind::Arithmetic;
}

// Counts the operations of each level (the top operation is level 1); false
// beyond the limits.
using LevelCounts = std::array<int, MaxLevels + 1>;

bool CountLevels(const SyntaxTree& tree, int node, int level, LevelCounts& count) {
    const SyntaxNode& n = tree.nodes[node];
    if (IsCell(n.opcode)) return true;
    if (level > MaxLevels || ++count[level] > MaxOperationsPerLevel) return false;
    if (!CountLevels(tree, n.first, level + 1, count)) return false;
    return n.second < 0 || CountLevels(tree, n.second, level + 1, count);
}

}  // namespace

std::unique_ptr<InstructionList> InstructionList::Build(
    const SyntaxTree& tree, const std::array<long double, 6>& parameters) {
    LevelCounts count{};
    if (!CountLevels(tree, tree.root, 1, count)) return nullptr;
    int operations = 0;
    for (int n : count) operations += n;

    std::unique_ptr<InstructionList> list(new InstructionList);
    list->parameters_ = parameters;
    // Instructions point at each other: the storage must never move.
    list->code_.reserve(std::max(operations, 1));
    const Operand top = list->emit(tree, tree.root);
    if (top.kind != OperandKind::Computed) {
        // A formula done entirely in place gets one instruction that only fetches it.
        Instruction single;
        single.opcode = tree.nodes[tree.root].opcode;
        single.first = top;
        single.run = HandlerFor(Opcode::Variable, top.kind, OperandKind::Computed);
        list->code_.push_back(single);
    }
    return list;
}

Operand InstructionList::emit(const SyntaxTree& tree, int node) {
    const SyntaxNode& n = tree.nodes[node];
    switch (n.opcode) {
    case Opcode::Variable: return {OperandKind::Variable, n.cell};
    case Opcode::Parameter: return {OperandKind::Cell, 0, &parameters_[n.cell]};
    case Opcode::Constant:
    case Opcode::Pi: return {OperandKind::Cell, 0, &constants_.emplace_back(n.value)};
    case Opcode::Square:
        if (tree.nodes[n.first].opcode == Opcode::Variable)
            return {OperandKind::SquaredVariable, tree.nodes[n.first].cell};
        break;
    default: break;
    }
    Instruction in;
    in.opcode = n.opcode;
    in.first = emit(tree, n.first);
    if (n.second >= 0) {
        in.second = emit(tree, n.second);
        if (IsInPlaceArithmetic(n.opcode) && IsSimpleOrArithmetic(in.first)
            && IsSimpleOrArithmetic(in.second)) {
            const Arithmetic& done =
                arithmetic_.emplace_back(Arithmetic{n.opcode, in.first, in.second});
            const bool nested = !IsSimple(in.first) || !IsSimple(in.second);
            return {nested ? OperandKind::NestedArithmetic : OperandKind::Arithmetic, 0, nullptr,
                    nullptr, &done};
        }
        if (n.opcode == Opcode::IntegerPower) {
            in.repeat = std::trunc(std::fabs(*in.second.cell));
            in.reciprocal = *in.second.cell < 0;
        }
    }
    in.run = HandlerFor(n.opcode, in.first.kind, in.second.kind);
    code_.push_back(in);
    return {OperandKind::Computed, 0, nullptr, &code_.back()};
}

bool InstructionList::drawsRandomNumbers() const {
    for (const Instruction& in : code_)
        if (in.opcode == Opcode::RandomHit || in.opcode == Opcode::RandomNormal) return true;
    return false;
}

void ReseedRandomGenerator() {
    const auto seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    WithGenerator([seed](std::mt19937_64& engine) { engine.seed(seed); });
}
