#pragma once
// The compiled form of a formula: one instruction per operation, each reading
// its operands from cells (variables, parameters, constants) or from the
// instructions that compute them.

#include <array>
#include <deque>
#include <memory>
#include <vector>

#include "expression/opcodes.h"
#include "expression/recogniser.h"

struct Instruction;

// A handler carries out its instruction and returns the result. An operand
// computed by another instruction is obtained by calling that instruction's
// handler, so intermediate results travel in registers instead of cells.
using Handler = long double (*)(const Instruction&);

struct Instruction {
    Handler run = nullptr;
    // Each operand comes either from a cell or from another instruction.
    const long double* firstCell = nullptr;
    const long double* secondCell = nullptr;
    const Instruction* first = nullptr;
    const Instruction* second = nullptr;
    // For an integer power u^n: the integer part of |n|, and whether n < 0.
    long double repeat = 0;
    bool reciprocal = false;
    Opcode opcode = Opcode::Variable;
};

class InstructionList {
public:
    // Null when the formula needs more than 30 levels of operations or more
    // than 50 operations on one level.
    static std::unique_ptr<InstructionList> Build(const SyntaxTree& tree,
                                                  const std::array<long double, 6>& parameters);

    // Clears MathError; ErrorValue when a domain rule failed during the run.
    long double run(long double x, long double y, long double z);

    bool drawsRandomNumbers() const;
    const std::vector<Instruction>& instructions() const { return code_; }

private:
    struct Operand {
        const long double* cell = nullptr;
        const Instruction* computed = nullptr;
    };

    InstructionList() = default;
    Operand emit(const SyntaxTree& tree, int node);

    std::array<long double, 3> variables_{};
    std::array<long double, 6> parameters_{};
    std::deque<long double> constants_;   // a deque keeps the cells where they are
    std::vector<Instruction> code_;       // every operand before its user, the top last
};

// Reseeds the generator behind rn and rm from the clock.
void ReseedRandomGenerator();
