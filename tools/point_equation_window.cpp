#include "tools/point_equation_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "tools/derivatives.h"

PointEquationWindow::PointEquationWindow(const QString& caption, const QString& pattern,
                                         Equation equation, QWidget* parent)
    : ToolWindow(caption, parent),
      nom(new QLabel("a=")),
      Edita(named("Edita", new ColourEdit)),
      Eq(named("Eq", new QLabel(pattern.arg(slotName(1))))),
      result(named("result", new QLabel("y="))),
      GroupBox1(new QGroupBox("Choix de la fonction :")),
      RadioButton1(makeSlotButton(1, GroupBox1)),
      RadioButton2(makeSlotButton(2, GroupBox1)),
      RadioButton3(makeSlotButton(3, GroupBox1)),
      RadioButton4(makeSlotButton(4, GroupBox1)),
      pattern_(pattern),
      equation_(equation) {
    RadioButton1->setChecked(true);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    layOutInRow(GroupBox1, {RadioButton1, RadioButton2, RadioButton3, RadioButton4});
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        connect(button, &QRadioButton::clicked, this, &PointEquationWindow::click);
    auto* abscissa = new QHBoxLayout;
    abscissa->addWidget(nom);
    abscissa->addWidget(Edita, 1);
    QVBoxLayout* layout = makeBodyLayout(*this);
    layout->addLayout(abscissa);
    layout->addWidget(Eq);
    layout->addWidget(result);
    layout->addLayout(makeStopRow(GroupBox1, takeStopButton()));

    connect(Edita, &ColourEdit::enterPressed, this, &PointEquationWindow::EditaKeyPress);
    connect(Edita, &ColourEdit::textEdited, this, &PointEquationWindow::click);
}

int PointEquationWindow::chosenFunction() const {
    return chosenSlot({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
}

void PointEquationWindow::click() { Eq->setText(pattern_.arg(slotName(chosenFunction()))); }

void PointEquationWindow::EditaKeyPress() {
    click();
    const long double a = NumberReader(Edita->latin1Text());
    if (isDefined(a)) Edita->paintBlack();
    else Edita->paintRed();
    const std::string& formula = slotFormula(chosenFunction());
    const std::string equation = formula.empty() ? UndefinedText : equation_(formula, a);
    result->setText(QString::fromStdString(equation));
}

void PointEquationWindow::stopClick() { hideAndFocusMainWindow(*this); }
