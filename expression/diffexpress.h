#pragma once
// Symbolic derivative of a formula, produced as formula text.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class TDiffExpress {
public:
    TDiffExpress();
    void setFormula(const std::string& formula);
    const std::string& Formula() const;        // "0" at creation and after any error
    void Derive(const std::string& variable, std::string& result);
    bool DiffError() const;

private:
    // Node kinds double as token kinds; the tokenizer adds End, Open and Close,
    // and Start stands for "no token read yet".
    enum NodeKind : int {
        Start = -1, End = 0, Open = 1, Close = 2,
        Add = 3, Subtract = 4, Multiply = 5, Divide = 6, Number = 7, Name = 8, Negate = 9,
        Cos = 10, Sin = 11, Tg = 12, Ctg = 13, Abs = 14, Sgn = 15, Sqrt = 16, Ln = 17,
        Exp = 18, Arcsin = 19, Arccos = 20, Arctg = 21, Arcctg = 22, Sh = 23, Ch = 24,
        Th = 25, Cth = 26, Heaviside = 27, Power = 31
    };

    // One node; 0 stands for an absent node. A one-operand node uses left only;
    // a power has its base on the left and a number node as exponent on the right.
    struct TTree {
        NodeKind kind = Number;
        std::string text;
        int left = 0;
        int right = 0;
    };

    struct Rejected {};
    [[noreturn]] static void reject();
    void runErrorRoutine();

    int newNode(NodeKind kind, const std::string& text, int left, int right);
    const TTree& node(int index) const { return pool_[static_cast<std::size_t>(index)]; }
    TTree& node(int index) { return pool_[static_cast<std::size_t>(index)]; }

    void nextToken();
    void readNumber();
    void openParenthesis();
    int parse(const std::string& text);
    int expression();
    int term();
    int factor();
    int exponent();

    void writeFullText(int index, std::string& out) const;
    void writeDerivative(int index, std::string& out) const;

    int simplify(int index);
    void foldTo(int index, long double value);
    int simplifySum(int index);
    int simplifyDifference(int index);
    int simplifyProduct(int index);
    int simplifyQuotient(int index);
    int simplifyPower(int index);
    bool isNumber(int index, long double value) const;
    long double numberValue(int index) const;

    void print(int index, std::string& out) const;
    void printWrapped(int index, bool wrap, std::string& out) const;
    bool isSumOrNegation(int index) const;

    std::string formula_ = "0";
    bool diffError_ = false;
    std::string variable_ = "t";

    // Shared by the two trees of one call, at most 5000 nodes numbered from 1;
    // no reference to a node is kept across the creation of another.
    std::vector<TTree> pool_;
    int nodeCount_ = 0;

    // Tokenizer state of the parse in progress.
    const std::string* text_ = nullptr;
    std::size_t position_ = 0;
    NodeKind token_ = Start;
    NodeKind previousToken_ = Start;
    std::string tokenText_;
    int depth_ = 0;
};

// The derivative of a formula with respect to x; nothing when the
// differentiator refuses it.
std::optional<std::string> derivativeOf(const std::string& formula);
