#include "constructions/contact_line_dialog.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>

#include "constructions/creation_steps.h"
#include "plane/tool_support.h"

ContactLineDialog::ContactLineDialog(const QString& title, LineKind kind, QWidget* parent)
    : ConstructionDialog(title, parent), Edita(makeField("Edita", ColourEdit::ForcedCase::Lower, 6)), kind_(kind) {
    bodyLayout()->addWidget(makeFunctionChoice({&f, &g, &h, &i}));
    bodyLayout()->addLayout(buttonRow({makeCaption("en a="), Edita}));
    setFields({Edita});
}

void ContactLineDialog::BitBtn1Click() {
    finishCreation(createContactLine(kind_, chosenSlot({f, g, h, i}), Edita->latin1Text()), redrawConstructions);
}
