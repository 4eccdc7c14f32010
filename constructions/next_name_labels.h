#pragma once
// The "Nom suivant" labels (Lnom) of the point dialogs. Each dialog registers
// its label when it is built; creating or deleting a point rewrites them all.

class QLabel;

void registerNextNameLabel(QLabel* label);
// Every registered label that still exists shows NextName().
void rewriteNextNameLabels();
