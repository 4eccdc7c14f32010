#include "expression/recogniser.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>

// Every question about a substring ("is it a formula?", "a binary operation?"
// ...) is answered once and remembered: the same substrings are asked about
// again and again while operators are tried, and without the memory some texts
// of a few dozen characters would take longer than the age of the universe.

namespace {

constexpr int No = -1;
constexpr int Unknown = -2;

struct CallName {
    std::string_view name;
    Opcode opcode;
};

constexpr std::array<CallName, 16> OneArgumentCalls{{
    {"cos", Opcode::Cos}, {"sin", Opcode::Sin}, {"exp", Opcode::Exp}, {"ln", Opcode::Ln},
    {"arctan", Opcode::Arctan}, {"sqrt", Opcode::Sqrt}, {"abs", Opcode::Abs},
    {"heav", Opcode::Heaviside}, {"ph", Opcode::PrincipalAngle}, {"sinh", Opcode::Sinh},
    {"cosh", Opcode::Cosh}, {"fr", Opcode::Fraction}, {"tan", Opcode::Tan},
    {"tanh", Opcode::Tanh}, {"arcsin", Opcode::Arcsin}, {"arccos", Opcode::Arccos},
}};

constexpr std::array<CallName, 10> TwoArgumentCalls{{
    {"min", Opcode::Min}, {"max", Opcode::Max}, {"rn", Opcode::RandomHit},
    {"arg", Opcode::Argument}, {"r", Opcode::Radius}, {"rm", Opcode::RandomNormal},
    {"lt", Opcode::Less}, {"le", Opcode::LessOrEqual}, {"eq", Opcode::Equal},
    {"ne", Opcode::NotEqual},
}};

int OperatorPriority(char c) {
    switch (c) {
    case '+': case '-': return 1;
    case '*': case '/': return 2;
    case '^': return 3;
    default: return 0;
    }
}

int OperatorPriority(Opcode op) {
    switch (op) {
    case Opcode::Add: case Opcode::Subtract: return 1;
    case Opcode::Multiply: case Opcode::Divide: return 2;
    default: return 3;
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

class Recogniser {
public:
    Recogniser(std::string_view text, std::string_view variables, std::string_view parameters)
        : text_(text), variables_(variables), parameters_(parameters),
          size_(static_cast<int>(text.size())),
          memo_(static_cast<std::size_t>(QuestionCount) * (size_ + 1) * (size_ + 1), Unknown),
          balanced_(static_cast<std::size_t>(size_ + 1) * (size_ + 1), false),
          variableNodes_(size_, Unknown), parameterNodes_(size_, Unknown) {
        fillBalanceTable();
        fillBoundaryTables();
    }

    SyntaxTree run() && {
        const int root = ask(Formula, 0, size_);
        return SyntaxTree{std::move(nodes_), root};
    }

private:
    enum Question { Formula, Binary, UnaryMinus, OneArgumentCall, TwoArgumentCall, Number,
                    QuestionCount };

    // Balance: reading from the left, never more ")" than "(", and as many of each.
    void fillBalanceTable() {
        for (int start = 0; start <= size_; ++start) {
            int depth = 0;
            for (int length = 0; start + length <= size_; ++length) {
                balanced_[index(start, length)] = depth == 0;
                if (start + length == size_) break;
                const char c = text_[start + length];
                if (c == '(') ++depth;
                if (c == ')' && --depth < 0) break;
            }
        }
    }

    // Characters no formula begins or ends with, unless they are variable or
    // parameter names: they let most useless readings be refused at a glance.
    void fillBoundaryTables() {
        canBegin_.fill(true);
        canEnd_.fill(true);
        for (char c : std::string_view("*/^),")) canBegin_[static_cast<unsigned char>(c)] = false;
        for (char c : std::string_view("+-*/^(,")) canEnd_[static_cast<unsigned char>(c)] = false;
        for (std::string_view names : {variables_, parameters_})
            for (char c : names) {
                canBegin_[static_cast<unsigned char>(c)] = true;
                canEnd_[static_cast<unsigned char>(c)] = true;
            }
    }

    bool canBegin(int at) const { return canBegin_[static_cast<unsigned char>(text_[at])]; }
    bool canEnd(int at) const { return canEnd_[static_cast<unsigned char>(text_[at])]; }

    // A necessary condition for a yes, cheap enough to spare most memo lookups.
    bool mayBe(Question question, int start, int length) const {
        if (length == 0) return false;
        const int last = start + length - 1;
        switch (question) {
        case UnaryMinus: return length >= 2 && text_[start] == '-' && canEnd(last);
        case OneArgumentCall:
        case TwoArgumentCall: return length >= 5 && text_[last] == ')' && IsLetter(text_[start]);
        default: return canBegin(start) && canEnd(last);
        }
    }

    std::size_t index(int start, int length) const {
        return static_cast<std::size_t>(start) * (size_ + 1) + length;
    }
    bool balanced(int start, int length) const { return balanced_[index(start, length)]; }

    int ask(Question question, int start, int length) {
        if (!mayBe(question, start, length)) return No;
        // The answers about one substring share a cache line.
        int& known = memo_[index(start, length) * QuestionCount + question];
        if (known == Unknown) known = answer(question, start, length);
        return known;
    }

    int answer(Question question, int start, int length) {
        switch (question) {
        case Formula: return formula(start, length);
        case Binary: return binary(start, length);
        case UnaryMinus: return unaryMinus(start, length);
        case OneArgumentCall: return oneArgumentCall(start, length);
        case TwoArgumentCall: return twoArgumentCall(start, length);
        case Number: return number(start, length);
        case QuestionCount: break;
        }
        return No;
    }

    int addNode(const SyntaxNode& node) {
        nodes_.push_back(node);
        return static_cast<int>(nodes_.size()) - 1;
    }

    int formula(int start, int length) {
        if (!balanced(start, length)) return No;
        for (int node : {parenthesised(start, length), ask(Number, start, length),
                         variable(start, length), parameter(start, length)})
            if (node != No) return node;
        for (Question q : {Binary, UnaryMinus, OneArgumentCall, TwoArgumentCall})
            if (const int node = ask(q, start, length); node != No) return node;
        return No;
    }

    // The inside's node: parentheses make no node of their own.
    int parenthesised(int start, int length) {
        if (length < 2 || text_[start] != '(' || text_[start + length - 1] != ')') return No;
        return ask(Formula, start + 1, length - 2);
    }

    int variable(int start, int length) {
        return nameCell(start, length, variables_, variableNodes_, Opcode::Variable);
    }
    int parameter(int start, int length) {
        return nameCell(start, length, parameters_, parameterNodes_, Opcode::Parameter);
    }

    int nameCell(int start, int length, std::string_view names, std::vector<int>& known,
                 Opcode opcode) {
        if (length != 1) return No;
        if (known[start] == Unknown) {
            const std::size_t at = names.find(text_[start]);
            known[start] = at == std::string_view::npos
                               ? No
                               : addNode({opcode, No, No, static_cast<int>(at), 0});
        }
        return known[start];
    }

    // "pi", "Pi", or a decimal number with an optional sign and exponent.
    int number(int start, int length) {
        const std::string_view s = text_.substr(start, length);
        if (s == "pi" || s == "Pi")
            return addNode({Opcode::Pi, No, No, 0, std::numbers::pi_v<long double>});
        std::size_t i = 0;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t mantissaStart = i;
        int digits = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i) ++digits;
        if (i < s.size() && s[i] == '.')
            for (++i; i < s.size() && IsDigit(s[i]); ++i) ++digits;
        if (digits == 0) return No;
        const std::size_t mantissaEnd = i;
        if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
            ++i;
            if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
            int exponentDigits = 0;
            for (; i < s.size() && IsDigit(s[i]); ++i) ++exponentDigits;
            if (exponentDigits == 0) return No;
        }
        if (i != s.size()) return No;
        // from_chars takes no "+" sign, neither before the number nor after "e+".
        std::string plain(s.substr(mantissaStart, mantissaEnd - mantissaStart));
        for (char c : s.substr(mantissaEnd))
            if (c != '+') plain += c;
        long double value = 0;
        const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
        // A number beyond the range of the extended type is not a number.
        if (error != std::errc{} || end != plain.data() + plain.size()) return No;
        if (s[0] == '-') value = -value;
        return addNode({Opcode::Constant, No, No, 0, value});
    }

    int binary(int start, int length) {
        const int end = start + length;
        for (int at = start; at < end; ++at) {
            const int priority = OperatorPriority(text_[at]);
            if (priority == 0) continue;
            const int leftLength = at - start;
            const int rightLength = end - at - 1;
            if (leftLength == 0 || rightLength == 0 || !canEnd(at - 1) || !canBegin(at + 1))
                continue;
            if (!balanced(start, leftLength) || !balanced(at + 1, rightLength)) continue;
            const int left = leftOperand(start, leftLength, priority);
            if (left == No) continue;
            const int right = rightOperand(at + 1, rightLength, priority);
            if (right == No) continue;
            return addNode({operatorOpcode(text_[at], at + 1, rightLength), left, right, 0, 0});
        }
        return No;
    }

    int leftOperand(int start, int length, int priority) {
        for (int node : {variable(start, length), ask(Number, start, length),
                         parameter(start, length), parenthesised(start, length)})
            if (node != No) return node;
        if (priority < 3)
            if (const int node = ask(UnaryMinus, start, length); node != No) return node;
        if (const int node = ask(Binary, start, length);
            node != No && OperatorPriority(nodes_[node].opcode) >= priority)
            return node;
        if (const int node = ask(TwoArgumentCall, start, length); node != No) return node;
        return ask(OneArgumentCall, start, length);
    }

    // A unary minus is never a right operand; a signed number is, being a number.
    int rightOperand(int start, int length, int priority) {
        for (int node : {variable(start, length), ask(Number, start, length),
                         parameter(start, length), parenthesised(start, length)})
            if (node != No) return node;
        // Nothing ranks above a power.
        if (priority < 3)
            if (const int node = ask(Binary, start, length);
                node != No && OperatorPriority(nodes_[node].opcode) > priority)
                return node;
        if (const int node = ask(OneArgumentCall, start, length); node != No) return node;
        return ask(TwoArgumentCall, start, length);
    }

    // The integer powers 2, 3 and 4 and other integer exponents avoid exp(v ln u),
    // when the exponent is written as a number, bare or in one pair of parentheses.
    Opcode operatorOpcode(char op, int exponentStart, int exponentLength) {
        switch (op) {
        case '+': return Opcode::Add;
        case '-': return Opcode::Subtract;
        case '*': return Opcode::Multiply;
        case '/': return Opcode::Divide;
        default: break;
        }
        int exponent = ask(Number, exponentStart, exponentLength);
        if (exponent == No && exponentLength > 2 && text_[exponentStart] == '('
            && text_[exponentStart + exponentLength - 1] == ')')
            exponent = ask(Number, exponentStart + 1, exponentLength - 2);
        if (exponent == No) return Opcode::Power;
        const long double n = nodes_[exponent].value;
        if (n != truncl(n)) return Opcode::Power;
        if (n == 2) return Opcode::Square;
        if (n == 3) return Opcode::Cube;
        if (n == 4) return Opcode::FourthPower;
        return Opcode::IntegerPower;
    }

    int unaryMinus(int start, int length) {
        if (length < 2 || text_[start] != '-') return No;
        const int restStart = start + 1;
        const int restLength = length - 1;
        int operand = parenthesised(restStart, restLength);
        if (operand == No) operand = variable(restStart, restLength);
        if (operand == No) operand = parameter(restStart, restLength);
        if (operand == No) operand = ask(OneArgumentCall, restStart, restLength);
        if (operand == No) operand = ask(TwoArgumentCall, restStart, restLength);
        if (operand == No) operand = ask(Number, restStart, restLength);
        if (operand == No) {
            const int node = ask(Binary, restStart, restLength);
            if (node != No && OperatorPriority(nodes_[node].opcode) >= 2) operand = node;
        }
        if (operand == No) return No;
        return addNode({Opcode::Negate, operand, No, 0, 0});
    }

    int oneArgumentCall(int start, int length) {
        const std::string_view s = text_.substr(start, length);
        for (const CallName& call : OneArgumentCalls) {
            if (s.size() <= call.name.size() || !s.starts_with(call.name)) continue;
            const int nameLength = static_cast<int>(call.name.size());
            const int argument = parenthesised(start + nameLength, length - nameLength);
            if (argument != No) return addNode({call.opcode, argument, No, 0, 0});
        }
        return No;
    }

    // The arguments split at the first comma that leaves a formula on each side.
    int twoArgumentCall(int start, int length) {
        const std::string_view s = text_.substr(start, length);
        for (const CallName& call : TwoArgumentCalls) {
            const int nameLength = static_cast<int>(call.name.size());
            if (length < nameLength + 2 || !s.starts_with(call.name) || s[nameLength] != '('
                || s.back() != ')')
                continue;
            const int insideStart = start + nameLength + 1;
            const int insideEnd = start + length - 1;
            for (int comma = insideStart; comma < insideEnd; ++comma) {
                if (text_[comma] != ',') continue;
                const int first = ask(Formula, insideStart, comma - insideStart);
                if (first == No) continue;
                const int second = ask(Formula, comma + 1, insideEnd - comma - 1);
                if (second != No) return addNode({call.opcode, first, second, 0, 0});
            }
        }
        return No;
    }

    std::string_view text_;
    std::string_view variables_;
    std::string_view parameters_;
    int size_;
    std::vector<int> memo_;
    std::vector<bool> balanced_;
    std::vector<int> variableNodes_;
    std::vector<int> parameterNodes_;
    std::array<bool, 256> canBegin_{};
    std::array<bool, 256> canEnd_{};
    std::vector<SyntaxNode> nodes_;
};

}  // namespace

SyntaxTree RecogniseFormula(std::string_view text, std::string_view variableNames,
                            std::string_view parameterNames) {
    return Recogniser(text, variableNames, parameterNames).run();
}
