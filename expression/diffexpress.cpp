#include "expression/diffexpress.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <numbers>

#include "expression/matutil.h"
#include "expression/parsor.h"

namespace {

// Both trees of one call share this many nodes.
constexpr int PoolSize = 5000;
// Parentheses nested deeper than this are refused, which bounds the parser's recursion.
constexpr int MaxNesting = 2000;
// A derivative text longer than this cannot be parsed back within the pool anyway;
// refusing it early bounds the time and memory of one call.
constexpr std::size_t MaxDerivativeText = std::size_t{1} << 20;

struct FunctionName {
    const char* name;
    int kind;
};

// Names are matched exactly; tan, arctan, sinh, cosh and tanh are not among them.
constexpr FunctionName FunctionNames[] = {
    {"cos", 10},    {"sin", 11},    {"tg", 12},      {"ctg", 13},     {"abs", 14},
    {"sgn", 15},    {"sign", 15},   {"sqrt", 16},    {"ln", 17},      {"exp", 18},
    {"arcsin", 19}, {"arccos", 20}, {"arctg", 21},   {"arcctg", 22},  {"sh", 23},
    {"ch", 24},     {"th", 25},     {"cth", 26},     {"heaviside", 27}, {"h", 27},
};

// The chain rule of each function: prefix, then the argument, then middle, then the
// argument's derivative, then "))".
struct ChainRule {
    int kind;
    const char* prefix;
    const char* middle;
};

constexpr ChainRule ChainRules[] = {
    {10, "(-sin(", ")*("},           {11, "(cos(", ")*("},
    {12, "(1/(cos(", ")^2)*("},      {13, "(-1/(sin(", ")^2)*("},
    {14, "(sgn(", ")*("},            {16, "(0.5/sqrt(", ")*("},
    {17, "(1/(", ")*("},             {18, "(exp(", ")*("},
    {19, "(1/sqrt(1-(", ")^2)*("},   {20, "(-1/sqrt(1-(", ")^2)*("},
    {21, "(1/(1+(", ")^2)*("},       {22, "(-1/(1+(", ")^2)*("},
    {23, "(ch(", ")*("},             {24, "(sh(", ")*("},
    {25, "(1/(ch(", ")^2)*("},       {26, "(-1/(sh(", ")^2)*("},
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }

bool isFunction(int kind) { return kind >= 10 && kind <= 27; }

// Number texts always use '.', whatever locale the program runs under.
long double textToFloat(const std::string& text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtold_l(text.c_str(), nullptr, cLocale);
}

long double functionValue(int kind, long double v) {
    switch (kind) {
    case 10: return std::cos(v);
    case 11: return std::sin(v);
    case 12: return std::sin(v) / std::cos(v);
    case 13: return std::cos(v) / std::sin(v);
    case 14: return std::fabs(v);
    case 15: return v > 0 ? 1 : (v < 0 ? -1 : 0);
    case 16: return std::sqrt(v);
    case 17: return std::log(v);
    case 18: return std::exp(v);
    case 19: return std::asin(v);
    case 20: return std::acos(v);
    case 21: return std::atan(v);
    case 22: return std::numbers::pi_v<long double> / 2 - std::atan(v);
    case 23: return (std::exp(v) - std::exp(-v)) / 2;
    case 24: return (std::exp(v) + std::exp(-v)) / 2;
    case 25: return (std::exp(v) - std::exp(-v)) / (std::exp(v) + std::exp(-v));
    case 26: return (std::exp(v) + std::exp(-v)) / (std::exp(v) - std::exp(-v));
    default: return v >= 0 ? 1 : 0;  // heaviside
    }
}

// |b|^n through the logarithm, with the sign of b kept for exponents that are not even.
long double powerValue(long double b, long double n) {
    const long double magnitude = std::exp(n * std::log(std::fabs(b)));
    const bool even = n / 2 == std::nearbyint(n / 2);
    return b < 0 && !even ? -magnitude : magnitude;
}

}  // namespace

TDiffExpress::TDiffExpress() = default;

void TDiffExpress::setFormula(const std::string& formula) { formula_ = formula; }

const std::string& TDiffExpress::Formula() const { return formula_; }

bool TDiffExpress::DiffError() const { return diffError_; }

void TDiffExpress::Derive(const std::string& variable, std::string& result) {
    variable_ = variable;
    nodeCount_ = 0;
    diffError_ = false;
    MathError = false;
    try {
        std::string derivativeText;
        writeDerivative(parse(formula_), derivativeText);
        const int derivative = simplify(parse(derivativeText));
        std::string text;
        print(derivative, text);
        result = text;
    } catch (const Rejected&) {
        // A caller that sees MathError must also see "0", whichever round failed.
        runErrorRoutine();
        result = "0";
    }
    nodeCount_ = 0;
}

void TDiffExpress::reject() { throw Rejected{}; }

std::optional<std::string> derivativeOf(const std::string& formula) {
    TDiffExpress diff;
    diff.setFormula(formula);
    std::string derivative;
    diff.Derive("x", derivative);
    if (diff.DiffError() || derivative.empty()) return std::nullopt;
    return derivative;
}

void TDiffExpress::runErrorRoutine() {
    diffError_ = true;
    MathError = true;
    nodeCount_ = 0;
    formula_ = "0";
}

int TDiffExpress::newNode(NodeKind kind, const std::string& text, int left, int right) {
    if (nodeCount_ >= PoolSize) reject();
    ++nodeCount_;
    // The pool grows to the largest call so far and is then reused.
    const auto needed = static_cast<std::size_t>(nodeCount_) + 1;
    if (pool_.size() < needed) pool_.resize(std::min(needed * 2, std::size_t{PoolSize} + 1));
    TTree& n = node(nodeCount_);
    n.kind = kind;
    n.text = text;
    n.left = left;
    n.right = right;
    return nodeCount_;
}

// ---- Tokenizer -------------------------------------------------------------

void TDiffExpress::nextToken() {
    const std::string& text = *text_;
    previousToken_ = token_;
    tokenText_.clear();
    while (position_ < text.size() && text[position_] == ' ') ++position_;
    if (position_ >= text.size()) {
        token_ = End;
        return;
    }
    const char c = text[position_];
    const bool digitFollows = position_ + 1 < text.size() && isDigit(text[position_ + 1]);
    if (c == '-' && digitFollows && (previousToken_ == Start || previousToken_ == Open)) {
        readNumber();
        return;
    }
    if (isDigit(c)) {
        readNumber();
        return;
    }
    if (isLetter(c)) {
        while (position_ < text.size() && (isLetter(text[position_]) || isDigit(text[position_])))
            tokenText_ += text[position_++];
        token_ = Name;
        for (const FunctionName& f : FunctionNames)
            if (tokenText_ == f.name) token_ = static_cast<NodeKind>(f.kind);
        return;
    }
    ++position_;
    switch (c) {
    case '(': token_ = Open; return;
    case ')': token_ = Close; return;
    case '+': token_ = Add; return;
    case '-': token_ = Subtract; return;
    case '*': token_ = Multiply; return;
    case '/': token_ = Divide; return;
    case '^': token_ = Power; return;
    default: reject();
    }
}

// A number, possibly with a leading '-': digits, an optional fraction, an optional
// exponent. An exponent mark without digits after it cannot be read as a number.
void TDiffExpress::readNumber() {
    const std::string& text = *text_;
    auto take = [&] { tokenText_ += text[position_++]; };
    auto takeDigits = [&] {
        std::size_t count = 0;
        for (; position_ < text.size() && isDigit(text[position_]); ++count) take();
        return count;
    };
    if (text[position_] == '-') take();
    takeDigits();
    if (position_ < text.size() && text[position_] == '.') {
        take();
        takeDigits();
    }
    if (position_ < text.size() && (text[position_] == 'e' || text[position_] == 'E')) {
        take();
        if (position_ < text.size() && (text[position_] == '+' || text[position_] == '-')) take();
        if (takeDigits() == 0) reject();
    }
    token_ = Number;
}

// ---- Parser ----------------------------------------------------------------

void TDiffExpress::openParenthesis() {
    if (++depth_ > MaxNesting) reject();
    nextToken();
}

int TDiffExpress::parse(const std::string& text) {
    text_ = &text;
    position_ = 0;
    token_ = Start;
    depth_ = 0;
    nextToken();
    const int root = expression();
    if (depth_ != 0) reject();
    return root;
}

// Terms joined by + and -, grouped from the left; it ends at ")" or at the end.
int TDiffExpress::expression() {
    int result = term();
    while (token_ == Add || token_ == Subtract) {
        const NodeKind kind = token_;
        nextToken();
        const int right = term();
        result = newNode(kind, "", result, right);
    }
    if (token_ == Close) {
        --depth_;
        nextToken();
        return result;
    }
    if (token_ != End) reject();
    return result;
}

// Factors joined by * and /; a sign at the start of the text or after "(" applies
// to the whole product.
int TDiffExpress::term() {
    bool negated = false;
    if (previousToken_ == Start || previousToken_ == Open) {
        if (token_ == Subtract) {
            negated = true;
            nextToken();
        } else if (token_ == Add) {
            nextToken();
        }
    }
    int result = factor();
    while (token_ == Multiply || token_ == Divide) {
        const NodeKind kind = token_;
        nextToken();
        const int right = factor();
        result = newNode(kind, "", result, right);
    }
    return negated ? newNode(Negate, "", result, 0) : result;
}

int TDiffExpress::factor() {
    int result = 0;
    if (token_ == Open) {
        openParenthesis();
        result = expression();
    } else if (token_ == Number || token_ == Name) {
        result = newNode(token_, tokenText_, 0, 0);
        nextToken();
    } else if (isFunction(token_)) {
        const NodeKind kind = token_;
        const std::string name = tokenText_;
        nextToken();
        if (token_ != Open) reject();
        openParenthesis();
        const int argument = expression();
        result = newNode(kind, name, argument, 0);
    } else {
        reject();
    }
    while (token_ == Power) {
        nextToken();
        const int power = exponent();
        result = newNode(Power, "", result, power);
    }
    return result;
}

// Only a number, or a number alone in parentheses (which may then be negative).
int TDiffExpress::exponent() {
    const bool parenthesised = token_ == Open;
    if (parenthesised) openParenthesis();
    if (token_ != Number) reject();
    const int result = newNode(Number, tokenText_, 0, 0);
    nextToken();
    if (parenthesised) {
        if (token_ != Close) reject();
        --depth_;
        nextToken();
    }
    return result;
}

// ---- Derivative text -------------------------------------------------------

void TDiffExpress::writeFullText(int index, std::string& out) const {
    const TTree& n = node(index);
    switch (n.kind) {
    case Number:
    case Name:
        out += n.text;
        return;
    case Negate:
        out += "(-(";
        writeFullText(n.left, out);
        out += "))";
        return;
    case Add:
    case Subtract:
    case Multiply:
    case Divide:
    case Power: {
        static constexpr char Operators[] = "+-*/";
        const char op = n.kind == Power ? '^' : Operators[n.kind - Add];
        out += "((";
        writeFullText(n.left, out);
        out += ')';
        out += op;
        out += '(';
        writeFullText(n.right, out);
        out += "))";
        return;
    }
    default:
        out += n.text;
        out += '(';
        writeFullText(n.left, out);
        out += ')';
    }
}

void TDiffExpress::writeDerivative(int index, std::string& out) const {
    if (out.size() > MaxDerivativeText) reject();
    const TTree& n = node(index);
    switch (n.kind) {
    case Number:
    case Sgn:
    case Heaviside:
        out += '0';
        return;
    case Name:
        out += n.text == variable_ ? '1' : '0';
        return;
    case Add:
    case Subtract:
        out += "((";
        writeDerivative(n.left, out);
        out += n.kind == Add ? ")+(" : ")-(";
        writeDerivative(n.right, out);
        out += "))";
        return;
    case Multiply:
        out += "((";
        writeDerivative(n.left, out);
        out += ")*(";
        writeFullText(n.right, out);
        out += ")+(";
        writeDerivative(n.right, out);
        out += ")*(";
        writeFullText(n.left, out);
        out += "))";
        return;
    case Divide:
        out += "((";
        writeDerivative(n.left, out);
        out += ")*(";
        writeFullText(n.right, out);
        out += ")-(";
        writeDerivative(n.right, out);
        out += ")*(";
        writeFullText(n.left, out);
        out += "))/(";
        writeFullText(n.right, out);
        out += ")^2";
        return;
    case Negate:
        out += "(-(";
        writeDerivative(n.left, out);
        out += "))";
        return;
    case Power:
        out += "((";
        writeFullText(n.right, out);
        out += ")*(";
        writeFullText(n.left, out);
        out += ")^(";
        out += FloatToStr(numberValue(n.right) - 1);
        out += ")*(";
        writeDerivative(n.left, out);
        out += "))";
        return;
    default:
        for (const ChainRule& rule : ChainRules) {
            if (rule.kind != n.kind) continue;
            out += rule.prefix;
            writeFullText(n.left, out);
            out += rule.middle;
            writeDerivative(n.left, out);
            out += "))";
        }
    }
}

// ---- Simplification --------------------------------------------------------

long double TDiffExpress::numberValue(int index) const { return textToFloat(node(index).text); }

bool TDiffExpress::isNumber(int index, long double value) const {
    return node(index).kind == Number && numberValue(index) == value;
}

void TDiffExpress::foldTo(int index, long double value) {
    TTree& n = node(index);
    n.kind = Number;
    n.text = FloatToStr(value);
    n.left = 0;
    n.right = 0;
}

// Bottom-up; returns the node that stands for the simplified subtree.
int TDiffExpress::simplify(int index) {
    TTree& n = node(index);
    if (n.kind == Number || n.kind == Name) return index;
    n.left = simplify(n.left);
    if (n.kind == Add || n.kind == Subtract || n.kind == Multiply || n.kind == Divide)
        n.right = simplify(n.right);
    switch (n.kind) {
    case Add: return simplifySum(index);
    case Subtract: return simplifyDifference(index);
    case Multiply: return simplifyProduct(index);
    case Divide: return simplifyQuotient(index);
    case Power: return simplifyPower(index);
    case Negate:
        if (node(n.left).kind == Number) foldTo(index, -numberValue(n.left));
        return index;
    default:
        if (node(n.left).kind == Number) foldTo(index, functionValue(n.kind, numberValue(n.left)));
        return index;
    }
}

int TDiffExpress::simplifySum(int index) {
    const TTree& n = node(index);
    if (node(n.left).kind == Number && node(n.right).kind == Number) {
        foldTo(index, numberValue(n.left) + numberValue(n.right));
        return index;
    }
    if (isNumber(n.left, 0)) return n.right;
    if (isNumber(n.right, 0)) return n.left;
    return index;
}

int TDiffExpress::simplifyDifference(int index) {
    TTree& n = node(index);
    if (node(n.left).kind == Number && node(n.right).kind == Number) {
        foldTo(index, numberValue(n.left) - numberValue(n.right));
        return index;
    }
    if (isNumber(n.left, 0)) {
        n.kind = Negate;
        n.left = n.right;
        n.right = 0;
        return index;
    }
    if (isNumber(n.right, 0)) return n.left;
    return index;
}

int TDiffExpress::simplifyProduct(int index) {
    const TTree& n = node(index);
    if (node(n.left).kind == Number && node(n.right).kind == Number) {
        foldTo(index, numberValue(n.left) * numberValue(n.right));
        return index;
    }
    if (isNumber(n.left, 0) || isNumber(n.right, 0)) {
        foldTo(index, 0);
        return index;
    }
    if (isNumber(n.left, 1)) return n.right;
    if (isNumber(n.right, 1)) return n.left;
    return index;
}

int TDiffExpress::simplifyQuotient(int index) {
    const TTree& n = node(index);
    if (node(n.left).kind == Number && node(n.right).kind == Number) {
        foldTo(index, numberValue(n.left) / numberValue(n.right));
        return index;
    }
    if (isNumber(n.left, 0)) {
        foldTo(index, 0);
        return index;
    }
    if (isNumber(n.right, 0)) reject();
    if (isNumber(n.right, 1)) return n.left;
    return index;
}

int TDiffExpress::simplifyPower(int index) {
    const TTree& n = node(index);
    if (isNumber(n.left, 0)) {
        foldTo(index, 0);
        return index;
    }
    if (isNumber(n.right, 0)) {
        foldTo(index, 1);
        return index;
    }
    if (node(n.left).kind == Number) {
        foldTo(index, powerValue(numberValue(n.left), numberValue(n.right)));
        return index;
    }
    if (isNumber(n.right, 1)) return n.left;
    return index;
}

// ---- Printing with as few parentheses as the priorities allow ---------------

bool TDiffExpress::isSumOrNegation(int index) const {
    const NodeKind kind = node(index).kind;
    return kind == Add || kind == Subtract || kind == Negate;
}

void TDiffExpress::printWrapped(int index, bool wrap, std::string& out) const {
    if (wrap) out += '(';
    print(index, out);
    if (wrap) out += ')';
}

void TDiffExpress::print(int index, std::string& out) const {
    const TTree& n = node(index);
    const NodeKind leftKind = n.left != 0 ? node(n.left).kind : Start;
    const bool leftIsSimple = leftKind == Number || leftKind == Name || isFunction(leftKind);
    switch (n.kind) {
    case Number: {
        const bool negative = !n.text.empty() && n.text[0] == '-';
        if (negative) out += '(';
        out += n.text;
        if (negative) out += ')';
        return;
    }
    case Name:
        out += n.text;
        return;
    case Add:
        print(n.left, out);
        out += '+';
        print(n.right, out);
        return;
    case Subtract:
        print(n.left, out);
        out += '-';
        printWrapped(n.right, isSumOrNegation(n.right), out);
        return;
    case Multiply:
        printWrapped(n.left, isSumOrNegation(n.left), out);
        out += '*';
        printWrapped(n.right, isSumOrNegation(n.right), out);
        return;
    case Divide: {
        const NodeKind rightKind = node(n.right).kind;
        const bool rightIsSimple = rightKind == Number || rightKind == Name ||
                                   isFunction(rightKind) || rightKind == Power;
        printWrapped(n.left, isSumOrNegation(n.left), out);
        out += '/';
        printWrapped(n.right, !rightIsSimple, out);
        return;
    }
    case Negate:
        out += "(-";
        printWrapped(n.left, !leftIsSimple, out);
        out += ')';
        return;
    case Power:
        printWrapped(n.left, leftKind != Number && leftKind != Name, out);
        out += '^';
        print(n.right, out);
        return;
    default:
        out += n.text;
        out += '(';
        print(n.left, out);
        out += ')';
    }
}
