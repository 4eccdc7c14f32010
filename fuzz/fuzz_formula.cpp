// Any typed text: normalised, compiled and evaluated at a few points; the raw text
// is compiled as well, as stored formulas are.
#include <cstddef>
#include <cstdint>
#include <string>

#include "expression/matutil.h"
#include "expression/parsor.h"

namespace {

void compileAndEvaluate(const std::string& text) {
    TExpress expression;
    expression.setExpression(text);
    if (expression.SyntaxError()) return;
    for (const long double x : {-2.5L, 0.0L, 1.0L, 3.0e6L}) expression.Evaluate(x, x / 2, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    compileAndEvaluate(NormaliseFormula(typed));
    compileAndEvaluate(typed);
    return 0;
}
