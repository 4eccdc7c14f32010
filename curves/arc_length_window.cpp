#include "curves/arc_length_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "curves/curve_fields.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"

ArcLengthWindow::ArcLengthWindow(const QString& caption, QWidget* parent)
    : ToolWindow(caption, parent),
      edita(makeNumberField("edita", "0")),
      Editb(makeNumberField("Editb", "1")),
      result(named("result", new QLabel("L(a,b)="))),
      BitBtn1(named("BitBtn1", new QPushButton("Go !"))) {
    auto* layout = new QGridLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("de x="), 0, 0);
    layout->addWidget(edita, 0, 1);
    layout->addWidget(new QLabel(QString::fromUtf8("à x=")), 0, 2);
    layout->addWidget(Editb, 0, 3);
    layout->addWidget(result, 1, 0, 1, 4);
    layout->addLayout(makeButtonRow(BitBtn1, takeStopButton()), 2, 0, 1, 4);
    connect(BitBtn1, &QPushButton::clicked, this, &ArcLengthWindow::BitBtn1Click);
    for (ColourEdit* edit : {edita, Editb}) connect(edit, &ColourEdit::enterPressed, this, &ArcLengthWindow::BitBtn1Click);
}

void ArcLengthWindow::BitBtn1Click() {
    if (!curveEntered()) return;
    const auto [a, b] = readOrderedBounds(*edita, *Editb);
    result->setText(QString::fromStdString(lengthText(a, b)));
}
