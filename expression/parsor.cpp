#include "expression/parsor.h"

#include <string_view>

#include "expression/instruction_list.h"
#include "expression/recogniser.h"

thread_local bool MathError = false;

namespace {

constexpr std::size_t MaxFormulaLength = 255;
constexpr std::size_t MaxVariables = 3;
constexpr std::size_t MaxParameters = 6;

}  // namespace

struct TExpress::CompiledFormula {
    std::unique_ptr<InstructionList> code;
};

TExpress::TExpress() = default;
TExpress::~TExpress() = default;

void TExpress::setExpression(const std::string& text) {
    compiled_.reset();
    const std::string kept = text.substr(0, MaxFormulaLength);
    std::string compact = kept;
    std::erase(compact, ' ');
    const std::string_view variables = std::string_view(VariableList).substr(0, MaxVariables);
    const std::string_view parameters = std::string_view(ParameterList).substr(0, MaxParameters);
    const SyntaxTree tree = RecogniseFormula(compact, variables, parameters);
    std::unique_ptr<InstructionList> code;
    if (tree.root >= 0) code = InstructionList::Build(tree, ParameterValues);
    syntaxError_ = code == nullptr;
    if (syntaxError_) return;
    if (code->drawsRandomNumbers()) ReseedRandomGenerator();
    compiled_ = std::make_unique<CompiledFormula>(CompiledFormula{std::move(code)});
    expression_ = kept;
}

const std::string& TExpress::Expression() const { return expression_; }

bool TExpress::SyntaxError() const { return syntaxError_; }

long double TExpress::Evaluate(const long double& x, const long double& y, const long double& z) {
    if (compiled_ == nullptr) {
        MathError = false;
        return 1;
    }
    return compiled_->code->run(x, y, z);
}
