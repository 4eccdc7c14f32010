#pragma once
// Compiled formulas: a text in the strict syntax is turned once into a list of
// three-address instructions over 80-bit cells, then evaluated many times.

#include <array>
#include <limits>
#include <memory>
#include <string>

static_assert(std::numeric_limits<long double>::digits == 64,
              "Lumova computes with the 80-bit extended type");

// What every reader and evaluator returns for an undefined value.
inline constexpr long double ErrorValue = 10000001.0L;

// Set by a failed domain check during an evaluation (and by the derivative on
// any error); cleared at the start of each evaluation. Each thread has its
// own: the plane graph evaluates its curves on another thread.
extern thread_local bool MathError;

class TExpress {
public:
    TExpress();
    ~TExpress();
    TExpress(const TExpress&) = delete;
    TExpress& operator=(const TExpress&) = delete;

    void setExpression(const std::string& text);   // compiles; keeps the first 255 characters
    const std::string& Expression() const;          // last text that compiled ("x" at creation)
    bool SyntaxError() const;
    // By reference: a long double passed by value goes through the stack in two
    // halves, which stalls on the 80-bit store of a loop variable just written.
    long double Evaluate(const long double& x, const long double& y, const long double& z);

    std::string VariableList = "xyz";
    std::string ParameterList = "abcdef";
    std::array<long double, 6> ParameterValues{1, 1, 1, 1, 1, 1};

private:
    struct CompiledFormula;
    std::string expression_ = "x";
    bool syntaxError_ = false;
    std::unique_ptr<CompiledFormula> compiled_;   // none: Evaluate gives 1
};
