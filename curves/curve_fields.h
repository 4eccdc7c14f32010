#pragma once
// What the windows of the parametric and polar curves share: number fields
// whose text the graph reads as it is typed, the storing of a typed formula
// with its derivative, and the tangents they append to the line table.

#include <string>

class ColourEdit;
class QWidget;
struct DirectionLine;

// A number field with its name and first text.
ColourEdit* makeNumberField(const char* name, const char* text);
// Keeps `mirror` equal to the field's text, whoever changes it.
void mirrorText(ColourEdit* field, std::string& mirror);

// Normalises and compiles the field into `slot`, black, with its derivative
// text written by `storeDerivative` (which is given nothing when there is
// none). A formula that does not compile empties the slot, the derivative with
// it, and turns red. Returns whether the slot holds the formula.
bool storeFormula(ColourEdit& field, int slot, void (*storeDerivative)(const std::string* derivative));

// Appends a direction line (kind 6) and redraws the constructions; false when
// the table is full.
bool appendDirectionLine(const DirectionLine& line);
