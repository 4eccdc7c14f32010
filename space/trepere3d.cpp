#include "space/trepere3d.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "expression/matutil.h"
#include "model/space_state.h"
#include "plane/tool_support.h"
#include "platform/colour_edit.h"
#include "space/space_dialog.h"
#include "space/tgrafgl.h"

QPointer<Trepere3d> repere3d;

Trepere3d::Trepere3d(QWidget* parent)
    : ToolWindow(QString::fromUtf8("Repère3D"), parent),
      Editxmin(makeNumberEdit("Editxmin", "-3")),
      Editxmax(makeNumberEdit("Editxmax", "3")),
      Editymin(makeNumberEdit("Editymin", "-3")),
      Editymax(makeNumberEdit("Editymax", "3")),
      fil(named("fil", new QCheckBox("Trame visible"))),
      reperevu(named("reperevu", new QCheckBox("Repere visible"))) {
    fil->setChecked(true);
    reperevu->setChecked(true);
    auto* grid = new QGridLayout(body());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(named("Label5", new QLabel("Tracer entre :")), 0, 0, 1, 4);
    grid->addWidget(named("Label2", new QLabel(".Xmin=")), 1, 0);
    grid->addWidget(Editxmin, 1, 1);
    grid->addWidget(named("Label1", new QLabel(".Xmax=")), 1, 2);
    grid->addWidget(Editxmax, 1, 3);
    grid->addWidget(named("Label4", new QLabel(".Ymin=")), 2, 0);
    grid->addWidget(Editymin, 2, 1);
    grid->addWidget(named("Label3", new QLabel(".Ymax=")), 2, 2);
    grid->addWidget(Editymax, 2, 3);
    grid->addWidget(fil, 3, 0, 1, 4);
    grid->addWidget(reperevu, 4, 0, 1, 3);
    grid->addWidget(takeStopButton(), 4, 3, Qt::AlignRight | Qt::AlignBottom);
    connect(Editxmin, &ColourEdit::enterPressed, this, &Trepere3d::EditxminKeyPress);
    connect(Editxmax, &ColourEdit::enterPressed, this, &Trepere3d::EditxmaxKeyPress);
    connect(Editymin, &ColourEdit::enterPressed, this, &Trepere3d::EdityminKeyPress);
    connect(Editymax, &ColourEdit::enterPressed, this, &Trepere3d::EditymaxKeyPress);
    connect(fil, &QCheckBox::clicked, this, &Trepere3d::filClick);
    connect(reperevu, &QCheckBox::clicked, this, &Trepere3d::filClick);
}

void Trepere3d::EditxminKeyPress() { validateBound(*Editxmin, SpaceFrame.xmin); }
void Trepere3d::EditxmaxKeyPress() { validateBound(*Editxmax, SpaceFrame.xmax); }
void Trepere3d::EdityminKeyPress() { validateBound(*Editymin, SpaceFrame.ymin); }
void Trepere3d::EditymaxKeyPress() { validateBound(*Editymax, SpaceFrame.ymax); }

// A bound that is not a number (an infinite one included), or that would put
// the pair out of order, gives way to the one it was to replace.
void Trepere3d::validateBound(ColourEdit& edit, long double& bound) {
    const long double kept = bound;
    bound = NumberReader(edit.latin1Text());
    if (!isDefined(bound) || !(SpaceFrame.xmin < SpaceFrame.xmax && SpaceFrame.ymin < SpaceFrame.ymax)) {
        bound = kept;
        edit.setText(QString::fromStdString(FloatToStr(kept)));
    }
    edit.paintBlack();
    if (grafgl) grafgl->preparecourbe();
    redrawSpaceView();
    refreshShownPlaneGraph();
}

void Trepere3d::filClick() {
    SpaceWireShown = fil->isChecked();
    SpaceAxesShown = reperevu->isChecked();
    redrawSpaceView();
}

void Trepere3d::showState() {
    showNumber(*Editxmin, SpaceFrame.xmin);
    showNumber(*Editxmax, SpaceFrame.xmax);
    showNumber(*Editymin, SpaceFrame.ymin);
    showNumber(*Editymax, SpaceFrame.ymax);
    fil->setChecked(SpaceWireShown);
    reperevu->setChecked(SpaceAxesShown);
}

void Trepere3d::showEvent(QShowEvent* event) {
    showState();
    ToolWindow::showEvent(event);
}
