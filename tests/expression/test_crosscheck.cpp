// Random formulas are built as trees, written out as text, compiled, and their
// compiled values compared with a small tree-walking evaluator written here.

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expression/parsor.h"

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

struct Node {
    enum Kind { Variable, Number, Parameter, Negate, Binary, Call, TwoArgumentCall } kind;
    int variable = 0;               // 0, 1, 2 for x, y, z
    std::string number;             // as written
    long double value = 0;
    char op = '+';
    std::string name;
    std::unique_ptr<Node> left, right;
};

using NodePtr = std::unique_ptr<Node>;

int Priority(char op) { return op == '^' ? 3 : (op == '*' || op == '/') ? 2 : 1; }

bool IsBinary(const Node& n) { return n.kind == Node::Binary; }

// ------------------------------------------------------------ writing

std::string Write(const Node& n);

std::string Parenthesised(const Node& n) { return "(" + Write(n) + ")"; }

std::string WriteLeft(const Node& child, char op) {
    if (child.kind == Node::Negate) return Parenthesised(child);
    if (IsBinary(child) && Priority(child.op) < Priority(op)) return Parenthesised(child);
    return Write(child);
}

std::string WriteRight(const Node& child, char op) {
    if (child.kind == Node::Negate) return Parenthesised(child);
    if (IsBinary(child) && Priority(child.op) <= Priority(op)) return Parenthesised(child);
    return Write(child);
}

std::string Write(const Node& n) {
    switch (n.kind) {
    case Node::Variable: return std::string(1, "xyz"[n.variable]);
    case Node::Number: return n.number;
    case Node::Parameter: return "a";
    case Node::Negate:
        return n.left->kind == Node::Variable || n.left->kind == Node::Call
                   ? "-" + Write(*n.left)
                   : "-" + Parenthesised(*n.left);
    case Node::Binary: return WriteLeft(*n.left, n.op) + n.op + WriteRight(*n.right, n.op);
    case Node::Call: return n.name + Parenthesised(*n.left);
    case Node::TwoArgumentCall: return n.name + "(" + Write(*n.left) + "," + Write(*n.right) + ")";
    }
    return "";
}

// ------------------------------------------------------------ reference evaluation

struct Reference {
    long double x = 0, y = 0, z = 0;
    bool failed = false;
    // The processor's sine differs from the library's far from 0; beyond 2^63
    // both sine and cosine are 0 by definition.
    bool imprecise = false;

    long double fail() {
        failed = true;
        return 0;
    }

    long double power(const Node& n) {
        const long double u = eval(*n.left);
        const Node& exponent = *n.right;
        if (exponent.kind == Node::Number && exponent.value == std::trunc(exponent.value)) {
            const long double k = std::fabs(exponent.value);
            long double product = 1;
            for (long double i = 0; i < k; ++i) product = i == 0 ? u : product * u;
            if (exponent.value < 0 && product != 0) product = 1 / product;
            return product;
        }
        const long double v = eval(exponent);
        return u > 0 ? std::exp(v * std::log(u)) : fail();
    }

    long double binary(const Node& n) {
        if (n.op == '^') return power(n);
        const long double u = eval(*n.left);
        const long double v = eval(*n.right);
        switch (n.op) {
        case '+': return u + v;
        case '-': return u - v;
        case '*': return u * v;
        default: return v != 0 ? u / v : fail();
        }
    }

    long double sine(long double u) { return std::fabs(u) >= 0x1p63L ? 0 : std::sin(u); }
    long double cosine(long double u) { return std::fabs(u) >= 0x1p63L ? 0 : std::cos(u); }

    long double call(const std::string& f, long double u) {
        if ((f == "sin" || f == "cos" || f == "tan") && std::fabs(u) > 1e6L) imprecise = true;
        if (f == "sin") return sine(u);
        if (f == "cos") return cosine(u);
        if (f == "tan") return cosine(u) != 0 ? sine(u) / cosine(u) : fail();
        if (f == "exp") return std::exp(u);
        if (f == "ln") return u > 0 ? std::log(u) : fail();
        if (f == "sqrt") return u >= 0 ? std::sqrt(u) : fail();
        if (f == "abs") return std::fabs(u);
        if (f == "arctan") return std::atan(u);
        if (f == "sinh") return (std::exp(u) - std::exp(-u)) / 2;
        if (f == "cosh") return (std::exp(u) + std::exp(-u)) / 2;
        if (f == "tanh") return std::tanh(u);
        if (f == "fr") return u - std::trunc(u);
        if (f == "heav") return u >= 0 ? 1 : 0;
        if (f == "arcsin") return std::fabs(u) <= 1 ? std::asin(u) : fail();
        if (f == "arccos") return std::fabs(u) <= 1 ? std::acos(u) : fail();
        return fail();
    }

    long double call(const std::string& f, long double u, long double v) {
        if (f == "min") return std::min(u, v);
        if (f == "max") return u > v ? u : v;
        if (f == "r") return std::sqrt(u * u + v * v);
        if (f == "lt") return u < v;
        if (f == "le") return u <= v;
        if (f == "eq") return u == v;
        if (f == "ne") return u != v;
        if (f == "arg") {
            if (u == 0) return Pi / 2;
            const long double slope = std::atan(v / u);
            return u > 0 ? slope : v > 0 ? slope + Pi : slope - Pi;
        }
        return fail();
    }

    long double eval(const Node& n) {
        switch (n.kind) {
        case Node::Variable: return n.variable == 0 ? x : n.variable == 1 ? y : z;
        case Node::Number: return n.value;
        case Node::Parameter: return 1;
        case Node::Negate: return -eval(*n.left);
        case Node::Binary: return binary(n);
        case Node::Call: return call(n.name, eval(*n.left));
        case Node::TwoArgumentCall: {
            const long double u = eval(*n.left);
            return call(n.name, u, eval(*n.right));
        }
        }
        return fail();
    }
};

// ------------------------------------------------------------ generation

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    NodePtr formula(int depth) {
        if (depth == 0 || pick(4) == 0) return leaf();
        switch (pick(8)) {
        case 0: return unary(Node::Negate, "", formula(depth - 1));
        case 1: case 2: return unary(Node::Call, pickName(OneArgument), formula(depth - 1));
        case 3: return twoArguments(depth);
        case 4: return power(depth);
        default: return binary("+-*/"[pick(4)], formula(depth - 1), formula(depth - 1));
        }
    }

private:
    static constexpr const char* OneArgument[] = {"sin", "cos", "tan", "exp", "ln",
                                                  "sqrt", "abs", "arctan", "sinh", "cosh",
                                                  "tanh", "fr", "heav", "arcsin", "arccos"};
    static constexpr const char* TwoArgument[] = {"min", "max", "r", "lt", "le", "eq", "ne", "arg"};

    int pick(int n) { return static_cast<int>(random_() % n); }

    template <std::size_t N>
    std::string pickName(const char* const (&names)[N]) { return names[pick(N)]; }

    NodePtr number(const std::string& text) {
        auto n = std::make_unique<Node>();
        n->kind = Node::Number;
        n->number = text;
        n->value = std::stold(text);
        return n;
    }

    NodePtr leaf() {
        static const char* numbers[] = {"2", "0.5", "3", "1.25", "10", "0.1", "7"};
        auto n = std::make_unique<Node>();
        switch (pick(5)) {
        case 0: case 1: n->kind = Node::Variable; n->variable = pick(3); return n;
        case 2: n->kind = Node::Parameter; return n;
        default: return number(numbers[pick(7)]);
        }
    }

    NodePtr unary(Node::Kind kind, std::string name, NodePtr operand) {
        auto n = std::make_unique<Node>();
        n->kind = kind;
        n->name = std::move(name);
        n->left = std::move(operand);
        return n;
    }

    NodePtr binary(char op, NodePtr left, NodePtr right) {
        auto n = std::make_unique<Node>();
        n->kind = Node::Binary;
        n->op = op;
        n->left = std::move(left);
        n->right = std::move(right);
        return n;
    }

    NodePtr twoArguments(int depth) {
        auto n = binary(',', formula(depth - 1), formula(depth - 1));
        n->kind = Node::TwoArgumentCall;
        n->name = pickName(TwoArgument);
        return n;
    }

    // Integer exponents (bare, signed) take the multiplying path; others the logarithm.
    NodePtr power(int depth) {
        static const char* exponents[] = {"2", "3", "4", "5", "-1", "-2", "0", "1", "0.5", "2.5"};
        NodePtr exponent = pick(3) == 0 ? formula(depth - 1) : number(exponents[pick(10)]);
        return binary('^', formula(depth - 1), std::move(exponent));
    }

    std::mt19937 random_;
};

bool SameValue(long double compiled, long double reference) {
    if (std::isnan(reference)) return std::isnan(compiled);
    if (std::isinf(reference)) return compiled == reference;
    const long double scale = std::max(1.0L, std::fabs(reference));
    return std::fabs(compiled - reference) <= 1e-12L * scale;
}

TEST(CrossCheck, CompiledFormulasAgreeWithATreeWalkingEvaluator) {
    Generator generator(12345);
    const long double points[][3] = {{0, 0, 0},       {1, 2, 3},     {-1.5L, 0.5L, 2},
                                     {2.75L, -3, 0.25L}, {0.3L, 0.7L, -0.9L}, {-7, 4, 1},
                                     {10, -0.1L, 5}};
    int errors = 0;
    int values = 0;
    for (int round = 0; round < 3000; ++round) {
        const NodePtr tree = generator.formula(1 + round % 5);
        const std::string text = Write(*tree);
        if (text.size() > 255) continue;
        TExpress formula;
        formula.setExpression(text);
        ASSERT_FALSE(formula.SyntaxError()) << text;
        for (const auto& p : points) {
            Reference reference{p[0], p[1], p[2]};
            const long double expected = reference.eval(*tree);
            const long double value = formula.Evaluate(p[0], p[1], p[2]);
            if (reference.failed) {
                ++errors;
                EXPECT_TRUE(MathError) << text;
                EXPECT_EQ(value, ErrorValue) << text;
            } else if (!reference.imprecise) {
                EXPECT_FALSE(MathError) << text;
                EXPECT_PRED2(SameValue, value, expected)
                    << text << " at (" << double(p[0]) << ", " << double(p[1]) << ", "
                    << double(p[2]) << ")";
                ++values;
            }
        }
    }
    // The generator must exercise both outcomes, or the comparison proves little.
    std::printf("%d values and %d domain errors compared\n", values, errors);
    EXPECT_GT(values, 10000);
    EXPECT_GT(errors, 1000);
}

}  // namespace
