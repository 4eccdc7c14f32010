#pragma once
// The operations of a compiled formula. The code is also the kind of node the
// recogniser records; u and v are the first and second operands.

#include <cstdint>

enum class Opcode : std::uint16_t {
    Variable = 0,        ///< x, y or z: the formula is that variable's cell
    Constant = 1,        ///< a decimal number
    Parameter = 2,       ///< a to f, worth their ParameterValues
    Pi = 3,              ///< pi or Pi
    Negate = 4,          ///< -u
    Add = 5,             ///< u + v
    Subtract = 6,        ///< u - v
    Multiply = 7,        ///< u * v
    Divide = 8,          ///< u / v; v != 0
    IntegerPower = 9,    ///< u^n, n an integer constant other than 2, 3 and 4
    Power = 10,          ///< u^v = exp(v ln u); u > 0
    Cos = 11,            ///< cos(u); 0 when |u| >= 2^63
    Sin = 12,            ///< sin(u); 0 when |u| >= 2^63
    Exp = 13,            ///< exp(u)
    Ln = 14,             ///< ln(u); u > 0
    Sqrt = 15,           ///< sqrt(u); u >= 0
    Arctan = 16,         ///< arctan(u)
    Square = 17,         ///< u^2 = u * u
    Cube = 18,           ///< u^3 = u * u * u
    FourthPower = 19,    ///< u^4 = u * u * u * u
    Abs = 20,            ///< abs(u)
    Max = 21,            ///< max(u,v)
    Min = 22,            ///< min(u,v)
    Heaviside = 23,      ///< heav(u): 1 when u >= 0, else 0
    PrincipalAngle = 24, ///< ph(u): u reduced to the principal angle
    RandomHit = 25,      ///< rn(u,v): 1 when a draw in 0..u-1 equals v
    Argument = 26,       ///< arg(u,v): angle of the point (u, v)
    Sinh = 27,           ///< sinh(u)
    Cosh = 28,           ///< cosh(u)
    Radius = 29,         ///< r(u,v) = sqrt(u^2 + v^2)
    RandomNormal = 30,   ///< rm(u,v): normal draw of mean u and deviation v
    Fraction = 31,       ///< fr(u) = u - trunc(u)
    Less = 32,           ///< lt(u,v)
    Equal = 33,          ///< eq(u,v)
    LessOrEqual = 34,    ///< le(u,v)
    NotEqual = 35,       ///< ne(u,v)
    Tan = 36,            ///< tan(u) = sin u / cos u; cos u != 0
    Tanh = 37,           ///< tanh(u)
    Arcsin = 38,         ///< arcsin(u); -1 <= u <= 1
    Arccos = 39,         ///< arccos(u); -1 <= u <= 1
};

inline constexpr int OpcodeCount = 40;

// Variables, constants, parameters and pi are cells, not operations.
constexpr bool IsCell(Opcode op) { return static_cast<int>(op) <= static_cast<int>(Opcode::Pi); }

constexpr bool HasTwoOperands(Opcode op) {
    switch (op) {
    case Opcode::Add: case Opcode::Subtract: case Opcode::Multiply: case Opcode::Divide:
    case Opcode::IntegerPower: case Opcode::Power: case Opcode::Max: case Opcode::Min:
    case Opcode::RandomHit: case Opcode::Argument: case Opcode::Radius:
    case Opcode::RandomNormal: case Opcode::Less: case Opcode::Equal:
    case Opcode::LessOrEqual: case Opcode::NotEqual:
        return true;
    default:
        return false;
    }
}
