#pragma once
// The compiled form of a formula: one instruction per operation, each reading
// its operands from cells (variables, parameters, constants) or from the
// instructions that compute them.

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "expression/opcodes.h"
#include "expression/parsor.h"
#include "expression/recogniser.h"

struct Instruction;
struct Arithmetic;

// The values of x, y and z for the current evaluation.
using VariableValues = const long double* const*;

// A handler carries out its instruction and returns the result. An operand
// computed by another instruction is obtained by calling that instruction's
// handler, so intermediate results travel in registers instead of cells.
using Handler = long double (*)(const Instruction&, VariableValues);

// Where an operand comes from. Small operations are carried out by the
// instruction that uses their result, with no call and no stored intermediate
// value: a squared variable (x^2 is typed all the time), +, -, *, / between
// cells, variables and squared variables (x+1, 2*x, x^2+1), and +, -, *, /
// between such operations ((x+1)*(x-1), x^2+y^2).
enum class OperandKind : std::uint8_t {
    Computed, Cell, Variable, SquaredVariable, Arithmetic, NestedArithmetic
};

struct Operand {
    OperandKind kind = OperandKind::Computed;
    int variable = 0;
    const long double* cell = nullptr;        // constant or parameter
    const Instruction* computed = nullptr;
    const Arithmetic* arithmetic = nullptr;
};

// An arithmetic operation whose two operands are cells, variables or squared
// variables, or, when nested, also arithmetic operations of that first kind.
struct Arithmetic {
    Opcode opcode = Opcode::Add;
    Operand first;
    Operand second;
};

struct Instruction {
    Handler run = nullptr;
    Operand first;
    Operand second;
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
    long double run(const long double& x, const long double& y, const long double& z) const {
        MathError = false;
        // The variable cells of this evaluation are the arguments themselves.
        const long double* const variables[3] = {&x, &y, &z};
        const Instruction& top = code_.back();
        const long double result = top.run(top, variables);
        return MathError ? ErrorValue : result;
    }

    bool drawsRandomNumbers() const;

private:
    InstructionList() = default;
    Operand emit(const SyntaxTree& tree, int node);

    std::array<long double, 6> parameters_{};
    // Deques keep their elements where they are: operands point at them.
    std::deque<long double> constants_;
    std::deque<Arithmetic> arithmetic_;
    std::vector<Instruction> code_;       // every operand before its user, the top last
};

// Reseeds the generator behind rn and rm from the clock.
void ReseedRandomGenerator();
