#include "constructions/construction_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "constructions/creation_steps.h"
#include "constructions/next_name_labels.h"
#include "model/construction_tables.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/cursors.h"

namespace {

constexpr int CreateCursor = 13;   // construit.ico
constexpr int DestroyCursor = 14;  // poubelle.ico

// Why the last attempt created nothing, while the status bar still shows it:
// the next attempt takes it away, so that it never seems to describe a later
// success. Text the bar was given since (a mode's hint) stays.
QString shownRefusal;

void explainInStatusBar(Tgrafzone& graph, const QString& refusal) {
    if (!refusal.isEmpty()) graph.setStatusText(refusal);
    else if (!shownRefusal.isEmpty() && graph.statusText() == shownRefusal) graph.setStatusText(QString());
    shownRefusal = refusal;
}

}  // namespace

ConstructionDialog::ConstructionDialog(const QString& caption, QWidget* parent)
    : ToolWindow(caption, parent), BitBtn1(named("BitBtn1", new QPushButton("Créer ?"))) {
    BitBtn1->setCursor(cursorFromNumber(CreateCursor));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    layout_ = new QVBoxLayout(body());
    layout_->setContentsMargins(0, 0, 0, 0);
}

void ConstructionDialog::setFields(std::initializer_list<ColourEdit*> fields) {
    fields_ = fields;
    for (ColourEdit* field : fields_) connect(field, &ColourEdit::enterPressed, this, [this] { BitBtn1Click(); });
}

void ConstructionDialog::finishCreation(const Creation& creation, void (*redraw)()) {
    for (std::size_t n = 0; n < fields_.size(); ++n) {
        if (creation.created) fields_[n]->paintBlack();
        else if (creation.isWrong(static_cast<int>(n))) fields_[n]->paintRed();
    }
    if (grafzone) explainInStatusBar(*grafzone, QString::fromStdString(creation.message));
    if (creation.created) redraw();
}

QHBoxLayout* ConstructionDialog::buttonRow(std::initializer_list<QWidget*> leading) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : leading) row->addWidget(widget);
    row->addStretch();
    row->addWidget(BitBtn1);
    row->addWidget(takeStopButton());
    return row;
}

QBoxLayout* ConstructionDialog::bodyLayout() { return layout_; }

PointDialog::PointDialog(const QString& caption, QWidget* parent, Redraw redraw)
    : ConstructionDialog(caption, parent),
      Lnom(named("Lnom", new QLabel)),
      redraw_(redraw == Redraw::WholeGraph ? repaintWholeGraph : redrawConstructions) {
    Lnom->setText(QString::fromLatin1(NextName().c_str()));
    // Room for "Fin." whatever the letter shows now.
    Lnom->setMinimumWidth(Lnom->fontMetrics().horizontalAdvance("Fin.") + 4);
    registerNextNameLabel(Lnom);
}

QHBoxLayout* PointDialog::nextNameRow(const char* nextNameCaption) {
    return buttonRow({makeCaption(nextNameCaption), Lnom});
}

void PointDialog::finishPoint(const Creation& creation) {
    if (creation.created) rewriteNextNameLabels();
    finishCreation(creation, redraw_);
}

void PointDialog::showEvent(QShowEvent* event) {
    Lnom->setText(QString::fromLatin1(NextName().c_str()));
    ConstructionDialog::showEvent(event);
}

QGroupBox* makeFunctionChoice(std::initializer_list<QRadioButton**> buttons) {
    auto* group = new QGroupBox("Choix de la fonction :");
    auto* row = new QHBoxLayout(group);
    int slot = 0;
    for (QRadioButton** button : buttons) {
        ++slot;
        *button = named(slotName(slot).toLatin1().constData(), makeSlotButton(slot, group));
        row->addWidget(*button);
        (*button)->setChecked(slot == 1);
    }
    return group;
}

QPushButton* makeDestroyButton() {
    auto* button = named("supp3d", new QPushButton("Détruire"));
    button->setCursor(cursorFromNumber(DestroyCursor));
    return button;
}

QLabel* makeCaption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

QGridLayout* labelledFields(std::initializer_list<std::pair<const char*, ColourEdit*>> fields) {
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [caption, field] : fields) {
        grid->addWidget(makeCaption(caption), row, 0);
        grid->addWidget(field, row++, 1);
    }
    grid->setColumnStretch(2, 1);
    return grid;
}

QHBoxLayout* rowOf(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch();
    return row;
}

QCheckBox* makeTraceBox() { return named("lieu", new QCheckBox("Laisser la trace de ce point")); }

QCheckBox* makeGuideBox(const char* name, const char* caption, bool& shown) {
    auto* box = named(name, new QCheckBox(QString::fromUtf8(caption)));
    box->setChecked(shown);
    QObject::connect(box, &QCheckBox::toggled, box, [&shown](bool ticked) { shown = ticked; });
    QObject::connect(box, &QCheckBox::clicked, box, repaintWholeGraph);
    return box;
}

ColourEdit* makeField(const char* name, ColourEdit::ForcedCase forced, int characters) {
    auto* edit = named(name, new ColourEdit(nullptr, forced));
    if (characters > 0) edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(characters, 'W')) + 12);
    return edit;
}

void redrawConstructions() {
    if (grafzone) grafzone->construit();
}

void repaintWholeGraph() {
    if (grafzone) grafzone->repaintGraph();
}

void redrawShownView() {
    if (!grafzone) return;
    if (QWidget* space = grafzone->spaceView(); space && space->isVisible()) space->update();
    else if (grafzone->isVisible()) grafzone->construit();
}

void repaintSpaceView() {
    if (!grafzone) return;
    if (QWidget* space = grafzone->spaceView()) space->update();
}
