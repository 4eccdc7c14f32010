#include "curves/curve_fields.h"

#include "curves/curve_measures.h"
#include "expression/diffexpress.h"
#include "expression/matutil.h"
#include "model/construction_tables.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

namespace {

constexpr int NumberFieldWidth = 70;

}  // namespace

ColourEdit* makeNumberField(const char* name, const char* text) {
    auto* field = named(name, new ColourEdit);
    field->setText(text);
    field->paintBlack();
    field->setMaximumWidth(NumberFieldWidth);
    return field;
}

void mirrorText(ColourEdit* field, std::string& mirror) {
    mirror = field->latin1Text();
    QObject::connect(field, &QLineEdit::textChanged, field, [field, &mirror] { mirror = field->latin1Text(); });
}

bool storeFormula(ColourEdit& field, int slot, void (*storeDerivative)(const std::string* derivative)) {
    const std::string formula = NormaliseFormula(field.latin1Text());
    TExpress expression;
    expression.setExpression(formula);
    if (expression.SyntaxError()) {
        CurveSlot[slot].formula.clear();
        storeDerivative(nullptr);
        field.paintRed();
        return false;
    }
    CurveSlot[slot].formula = formula;
    field.paintBlack();
    const std::optional<std::string> derivative = derivativeOf(formula);
    storeDerivative(derivative ? &*derivative : nullptr);
    return true;
}

bool appendDirectionLine(const DirectionLine& line) {
    if (LineCount < 0 || LineCount >= LineCapacity) return false;
    TLineRecord& record = LineTable[static_cast<std::size_t>(LineCount)];
    record = TLineRecord{};
    record.kind = LineKind::Direction;
    record.a = line.slope;
    record.b = line.intercept;
    record.c = line.x;
    record.d = line.y;
    ++LineCount;
    if (grafzone) grafzone->construit();
    return true;
}
