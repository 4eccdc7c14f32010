#pragma once
// The recogniser of the compiler: decides whether a text (spaces already
// removed) is a formula and records its structure as a tree of operations.

#include <string_view>
#include <vector>

#include "expression/opcodes.h"

struct SyntaxNode {
    Opcode opcode = Opcode::Constant;
    int first = -1;          // operand nodes, -1 when absent
    int second = -1;
    int cell = 0;            // index of a variable or parameter
    long double value = 0;   // value of a constant
};

struct SyntaxTree {
    // Also holds the nodes of readings that were tried and abandoned.
    std::vector<SyntaxNode> nodes;
    int root = -1;           // -1 when the text is not a formula
};

SyntaxTree RecogniseFormula(std::string_view text, std::string_view variableNames,
                            std::string_view parameterNames);
