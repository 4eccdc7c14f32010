// Any text derived as typed and once normalised; every derivative is compiled, and a
// short one must be derivable again, since the printer writes the derivative's syntax.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "expression/diffexpress.h"
#include "expression/matutil.h"
#include "expression/parsor.h"

namespace {

bool derive(const std::string& formula, std::string& derivative) {
    TDiffExpress diff;
    diff.setFormula(formula);
    derivative = "not written";
    diff.Derive("x", derivative);
    // A failure must read as "0" with both flags set, whichever round failed.
    if (MathError != diff.DiffError()) std::abort();
    if (MathError && (derivative != "0" || diff.Formula() != "0")) std::abort();
    return !MathError;
}

void deriveAndCompile(const std::string& formula) {
    std::string derivative;
    if (!derive(formula, derivative)) return;
    std::string second;
    if (derivative.size() <= 40 && !derive(derivative, second)) std::abort();
    TExpress compiled;
    compiled.setExpression(derivative);
    if (!compiled.SyntaxError()) compiled.Evaluate(0.5L, 0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    deriveAndCompile(typed);
    deriveAndCompile(NormaliseFormula(typed));
    return 0;
}
