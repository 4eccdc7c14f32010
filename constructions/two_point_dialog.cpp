#include "constructions/two_point_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "constructions/creation_steps.h"

TwoPointDialog::TwoPointDialog(const QString& title, const char* nameCaption, const char* enclosing,
                               Creation (*create)(const std::string&), int& count, QWidget* parent)
    : ConstructionDialog(title, parent),
      Editnom(makeField("Editnom", ColourEdit::ForcedCase::Upper, 3)),
      supp3d(makeDestroyButton()),
      create_(create),
      count_(count) {
    const char opening[] = {enclosing[0], '\0'}, closing[] = {enclosing[1], '\0'};
    bodyLayout()->addLayout(rowOf({makeCaption(nameCaption), makeCaption(opening), Editnom, makeCaption(closing)}));
    bodyLayout()->addLayout(buttonRow({supp3d}));
    supp3d->hide();
    setFields({Editnom});
    connect(supp3d, &QPushButton::clicked, this, &TwoPointDialog::supp3dClick);
}

void TwoPointDialog::BitBtn1Click() {
    finishCreation(create_(Editnom->latin1Text()), redrawShownView);
}

void TwoPointDialog::supp3dClick() {
    dropNewest(count_);
    repaintSpaceView();
}
