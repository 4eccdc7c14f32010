#include "plane/tchoixf.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/plot_state.h"
#include "plane/mode_handlers.h"
#include "plane/tgrafzone.h"

QPointer<Tchoixf> choixf;

Tchoixf::Tchoixf(QWidget* parent) : ToolWindow("Choix de la fonction", parent) {
    auto* layout = new QVBoxLayout(body());
    auto* group = new QGroupBox("Choix de la fonction :");
    auto* buttons = new QVBoxLayout(group);
    RadioButton1 = new QRadioButton("f");
    RadioButton2 = new QRadioButton("g");
    RadioButton3 = new QRadioButton("h");
    RadioButton4 = new QRadioButton("i");
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        buttons->addWidget(button);
        connect(button, &QRadioButton::toggled, this, &Tchoixf::RadioButtonClick);
    }
    RadioButton1->setChecked(true);
    layout->addWidget(group);
    SelectedSlot = 1;
}

void Tchoixf::RadioButtonClick() {
    const QRadioButton* buttons[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    SelectedSlot = 0;
    for (int slot = 1; slot <= 4; ++slot) {
        if (!buttons[slot - 1]->isChecked()) continue;
        SelectedSlot = slot;
        return;
    }
}

void Tchoixf::showEvent(QShowEvent* event) {
    ToolWindow::showEvent(event);
    // The reading tools must work on the function the window shows as chosen.
    RadioButtonClick();
}

void Tchoixf::stopClick() {
    hide();
    if (QWidget* main = window(); main != this) main->activateWindow();
    if (grafzone) grafzone->setStatusText(QString());
    PlotMode = InteractionMode::Neutral;
    // The variations and the inequality against a number read the function chosen here.
    hideModeWindow(InteractionMode::Variations);
    hideModeWindow(InteractionMode::BelowConstant);
}
