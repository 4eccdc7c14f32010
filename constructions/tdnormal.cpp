#include "constructions/tdnormal.h"

QPointer<Tdnormal> dnormal;

Tdnormal::Tdnormal(QWidget* parent) : ContactLineDialog("Droite normale", LineKind::Normal, parent) {}
