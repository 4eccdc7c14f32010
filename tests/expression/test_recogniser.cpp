// The shape the recogniser gives to a text, written as nested opcodes.

#include <string>

#include <gtest/gtest.h>

#include "expression/recogniser.h"

namespace {

std::string Name(Opcode op) {
    switch (op) {
    case Opcode::Variable: return "var";
    case Opcode::Constant: return "num";
    case Opcode::Parameter: return "par";
    case Opcode::Pi: return "pi";
    case Opcode::Negate: return "neg";
    case Opcode::Add: return "add";
    case Opcode::Subtract: return "sub";
    case Opcode::Multiply: return "mul";
    case Opcode::Divide: return "div";
    case Opcode::IntegerPower: return "ipow";
    case Opcode::Power: return "pow";
    case Opcode::Square: return "sq";
    case Opcode::Cube: return "cube";
    case Opcode::FourthPower: return "pow4";
    case Opcode::Sin: return "sin";
    case Opcode::Sinh: return "sinh";
    case Opcode::Min: return "min";
    case Opcode::Max: return "max";
    default: return "op" + std::to_string(static_cast<int>(op));
    }
}

std::string Shape(const SyntaxTree& tree, int node) {
    const SyntaxNode& n = tree.nodes[node];
    std::string text = Name(n.opcode);
    if (n.first >= 0) {
        text += "(" + Shape(tree, n.first);
        if (n.second >= 0) text += "," + Shape(tree, n.second);
        text += ")";
    }
    return text;
}

std::string ShapeOf(const std::string& text) {
    const SyntaxTree tree = RecogniseFormula(text, "xyz", "abcdef");
    return tree.root < 0 ? "rejected" : Shape(tree, tree.root);
}

struct ShapeCase {
    const char* name;
    const char* text;
    const char* shape;
};

class RecogniserTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(RecogniserTest, GivesTheTextItsShape) {
    EXPECT_EQ(ShapeOf(GetParam().text), GetParam().shape);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RecogniserTest,
    ::testing::Values(
        ShapeCase{"SubtractionFromTheLeft", "a-b-c", "sub(sub(par,par),par)"},
        ShapeCase{"DivisionFromTheLeft", "a/b/c", "div(div(par,par),par)"},
        ShapeCase{"PowerFromTheLeft", "2^3^2", "sq(cube(num,num),num)"},
        ShapeCase{"ProductInsideSum", "x+y*z", "add(var,mul(var,var))"},
        ShapeCase{"MinusTakesThePower", "-x^2", "neg(sq(var,num))"},
        ShapeCase{"MinusTakesTheLeftFactor", "-x*y", "mul(neg(var),var)"},
        ShapeCase{"SignedNumberIsTheBase", "-2^2", "sq(num,num)"},
        ShapeCase{"LeftOperandMinusTakesTheProduct", "-x*y+1", "add(neg(mul(var,var)),num)"},
        ShapeCase{"NegatedParenthesesKeepTheInside", "-(x+1)", "neg(add(var,num))"},
        ShapeCase{"ParenthesesMakeNoNode", "((x))", "var"},
        ShapeCase{"SquareInOneParenthesis", "x^(2)", "sq(var,num)"},
        ShapeCase{"TwoParenthesesGoThroughLogarithm", "x^((2))", "pow(var,num)"},
        ShapeCase{"FractionalExponent", "x^2.5", "pow(var,num)"},
        ShapeCase{"FourthPower", "x^4", "pow4(var,num)"},
        ShapeCase{"OtherIntegerExponent", "x^-1", "ipow(var,num)"},
        ShapeCase{"ZeroExponent", "x^0", "ipow(var,num)"},
        ShapeCase{"PiExponent", "x^pi", "pow(var,pi)"},
        ShapeCase{"HyperbolicSineIsNotSine", "sinh(x)", "sinh(var)"},
        ShapeCase{"SplitAtTheFirstWorkingComma", "min(max(1,2),3)", "min(max(num,num),num)"},
        ShapeCase{"SplitAtTheFirstComma", "max(min(1,2),min(3,4))",
                  "max(min(num,num),min(num,num))"},
        ShapeCase{"NoMinusOnTheRight", "2*-x", "rejected"},
        ShapeCase{"NoImplicitProduct", "2x", "rejected"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
