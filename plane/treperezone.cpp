#include "plane/treperezone.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <cmath>
#include <optional>

#include "expression/matutil.h"
#include "expression/parsor.h"
#include "model/plot_state.h"
#include "plane/tgrafzone.h"
#include "platform/colour_edit.h"

QPointer<Treperezone> reperezone;

namespace {

QString numberText(long double value) { return QString::fromStdString(FloatToStr(value)); }

// The adjusted bounds are shown to two decimals; the frame keeps them whole.
void showAdjustedBound(ColourEdit& edit, long double value) {
    edit.setText(numberText(RoundTo(value, 2)));
    edit.paintBlack();
}

// A value typed in a frame edit, or nothing when it is unreadable or not finite.
std::optional<long double> readFrameValue(const ColourEdit& edit) {
    const long double value = NumberReader(edit.latin1Text());
    if (value == ErrorValue || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The picture of a speed button: a double arrow along the kept axis and a
// single one along the axis that is fitted.
QPixmap adjustmentPicture(bool keepX) {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(3, 20, 21, 20);
    painter.drawLine(3, 20, 3, 3);
    painter.setPen(QPen(toQColor(clBlue), 2));
    if (keepX) {
        painter.drawLine(6, 15, 20, 15);
        painter.drawLine(6, 15, 9, 12);
        painter.drawLine(20, 15, 17, 12);
        painter.setPen(QPen(toQColor(clRed), 2));
        painter.drawLine(9, 12, 9, 3);
        painter.drawLine(9, 3, 6, 6);
        painter.drawLine(9, 3, 12, 6);
    } else {
        painter.drawLine(8, 4, 8, 17);
        painter.drawLine(8, 4, 5, 7);
        painter.drawLine(8, 17, 5, 14);
        painter.setPen(QPen(toQColor(clRed), 2));
        painter.drawLine(11, 10, 21, 10);
        painter.drawLine(21, 10, 18, 7);
        painter.drawLine(21, 10, 18, 13);
    }
    return picture;
}

void repaintGraphWindow() {
    if (grafzone) grafzone->repaintGraph();
}

}  // namespace

Treperezone::Treperezone(QWidget* parent) : ToolWindow(QString::fromUtf8("Repère"), parent) {
    auto* grid = new QGridLayout(body());
    grid->setContentsMargins(0, 0, 0, 0);
    auto makeEdit = [](QLabel*& label, ColourEdit*& edit, const char* caption, const char* text, const char* name) {
        label = new QLabel(QString::fromUtf8(caption));
        edit = new ColourEdit;
        edit->setObjectName(name);
        edit->setText(QString::fromUtf8(text));
        edit->paintBlack();
    };
    makeEdit(Labelxmin, Editxmin, ".Xmin=", "-10", "Editxmin");
    makeEdit(Labelxmax, Editxmax, ".Xmax=", "10", "Editxmax");
    makeEdit(Labelymin, Editymin, ".Ymin=", "-7.94", "Editymin");
    makeEdit(Labelymax, Editymax, ".Ymax=", "7.94", "Editymax");
    makeEdit(Labelgraduex, Editgraduex, ".Graduer tous les ", "1", "Editgraduex");
    makeEdit(Labelgraduey, Editgraduey, ".Graduer tous les ", "1", "Editgraduey");
    Editgraduex->setToolTip(QString::fromUtf8("Graduation de l'axe des abscisses"));
    Editgraduey->setToolTip(QString::fromUtf8("Graduation de l'axe des ordonnées"));

    // One axis a row, so that the window fits the narrowest column beside the graph.
    grid->addWidget(Labelxmin, 0, 0);
    grid->addWidget(Editxmin, 0, 1);
    grid->addWidget(Labelxmax, 0, 2);
    grid->addWidget(Editxmax, 0, 3);
    grid->addWidget(Labelymin, 1, 0);
    grid->addWidget(Editymin, 1, 1);
    grid->addWidget(Labelymax, 1, 2);
    grid->addWidget(Editymax, 1, 3);
    grid->addWidget(Labelgraduex, 2, 0, 1, 3, Qt::AlignRight);
    grid->addWidget(Editgraduex, 2, 3);
    grid->addWidget(Labelgraduey, 3, 0, 1, 3, Qt::AlignRight);
    grid->addWidget(Editgraduey, 3, 3);

    quadrille = new QCheckBox("Quadrillage");
    quadrille->setChecked(true);
    ortho = new QCheckBox(QString::fromUtf8("Toujours orthonormé"));
    ortho->setChecked(true);
    grid->addWidget(quadrille, 4, 0, 1, 2);
    grid->addWidget(ortho, 4, 2, 1, 2);

    xfixey = new QToolButton;
    xfixey->setIcon(adjustmentPicture(true));
    xfixey->setToolTip(QString::fromUtf8("Garder Xmin et Xmax, ajuster Ymin et Ymax"));
    yfixex = new QToolButton;
    yfixex->setIcon(adjustmentPicture(false));
    yfixex->setToolTip(QString::fromUtf8("Garder Ymin et Ymax, ajuster Xmin et Xmax"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(xfixey);
    buttons->addWidget(yfixex);
    buttons->addStretch();
    buttons->addWidget(takeStopButton());
    grid->addLayout(buttons, 5, 0, 1, 4);

    connect(Editxmin, &ColourEdit::enterPressed, this, &Treperezone::EditxminKeyPress);
    connect(Editxmax, &ColourEdit::enterPressed, this, &Treperezone::EditxmaxKeyPress);
    connect(Editymin, &ColourEdit::enterPressed, this, &Treperezone::EdityminKeyPress);
    connect(Editymax, &ColourEdit::enterPressed, this, &Treperezone::EditymaxKeyPress);
    connect(Editgraduex, &ColourEdit::enterPressed, this, &Treperezone::EditgraduexKeyPress);
    connect(Editgraduey, &ColourEdit::enterPressed, this, &Treperezone::EditgradueyKeyPress);
    connect(quadrille, &QCheckBox::clicked, this, &Treperezone::refresh);
    connect(ortho, &QCheckBox::clicked, this, &Treperezone::refresh);
    connect(xfixey, &QToolButton::clicked, this, &Treperezone::xfixeyClick);
    connect(yfixex, &QToolButton::clicked, this, &Treperezone::yfixexClick);
}

void Treperezone::EditxminKeyPress() { validateBound(*Editxmin, PlotFrame.xmin, Axis::X); }
void Treperezone::EditxmaxKeyPress() { validateBound(*Editxmax, PlotFrame.xmax, Axis::X); }
void Treperezone::EdityminKeyPress() { validateBound(*Editymin, PlotFrame.ymin, Axis::Y); }
void Treperezone::EditymaxKeyPress() { validateBound(*Editymax, PlotFrame.ymax, Axis::Y); }
void Treperezone::EditgraduexKeyPress() { validateStep(*Editgraduex, PlotFrame.graduex); }
void Treperezone::EditgradueyKeyPress() { validateStep(*Editgraduey, PlotFrame.graduey); }

void Treperezone::validateBound(ColourEdit& edit, long double& bound, Axis axis) {
    const long double kept = bound;
    const auto typed = readFrameValue(edit);
    bound = typed.value_or(kept);
    // A frame wider than the largest number cannot be scaled: refused like reversed bounds.
    const long double span = axis == Axis::X ? PlotFrame.xmax - PlotFrame.xmin : PlotFrame.ymax - PlotFrame.ymin;
    const bool ordered = span > 0 && std::isfinite(span);
    if (!typed || !ordered) {
        bound = kept;
        edit.setText(numberText(kept));
    }
    if (bound != kept && ortho->isChecked()) {
        if (axis == Axis::X) xfixeyClick();
        else yfixexClick();
        edit.paintBlack();
        return;
    }
    if (bound != kept) repaintGraphWindow();
    edit.paintBlack();
}

void Treperezone::validateStep(ColourEdit& edit, long double& step) {
    // The grid is drawn step after step out to the edges: only a positive step gets there.
    const auto typed = readFrameValue(edit);
    if (typed && *typed > 0) step = *typed;
    else edit.setText(numberText(step));
    edit.paintBlack();
    repaintGraphWindow();
}

void Treperezone::xfixeyClick() {
    if (!grafzone) return;
    const long double k = grafzone->graphWidth() / (PlotFrame.xmax - PlotFrame.xmin);
    PlotFrame.ymax = PlotFrame.originy / k;
    PlotFrame.ymin = (PlotFrame.originy - grafzone->graphHeight()) / k;
    showAdjustedBound(*Editymax, PlotFrame.ymax);
    showAdjustedBound(*Editymin, PlotFrame.ymin);
    if (!Painting) repaintGraphWindow();
}

void Treperezone::yfixexClick() {
    if (!grafzone) return;
    const long double k = grafzone->graphHeight() / (PlotFrame.ymax - PlotFrame.ymin);
    PlotFrame.xmin = -PlotFrame.originx / k;
    PlotFrame.xmax = (grafzone->graphWidth() - PlotFrame.originx) / k;
    showAdjustedBound(*Editxmin, PlotFrame.xmin);
    showAdjustedBound(*Editxmax, PlotFrame.xmax);
    if (!Painting) repaintGraphWindow();
}

void Treperezone::refresh() {
    if (grafzone) grafzone->chanegtaille();
}

void Treperezone::stopClick() {
    hide();
    if (QWidget* main = window(); main != this) {
        main->activateWindow();
        main->setFocus();
    }
}

void Treperezone::showBounds() {
    const std::pair<ColourEdit*, long double> bounds[] = {
        {Editxmin, PlotFrame.xmin}, {Editxmax, PlotFrame.xmax}, {Editymin, PlotFrame.ymin}, {Editymax, PlotFrame.ymax}};
    for (const auto& [edit, value] : bounds) {
        edit->setText(numberText(value));
        edit->paintBlack();
    }
}

void Treperezone::resetGraduations() {
    PlotFrame.graduex = PlotFrame.graduey = 1;
    for (ColourEdit* edit : {Editgraduex, Editgraduey}) {
        edit->setText("1");
        edit->paintBlack();
    }
}
