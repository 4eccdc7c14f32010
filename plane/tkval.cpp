#include "plane/tkval.h"

#include <QLabel>
#include <QVBoxLayout>

QPointer<Tkval> kval;

Tkval::Tkval(QWidget* parent) : ToolWindow("k", parent) {
    auto* layout = new QVBoxLayout(body());
    valk = new QLabel("k=");
    valk->setObjectName("valk");
    layout->addWidget(valk);
}
