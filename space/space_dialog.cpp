#include "space/space_dialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "expression/matutil.h"
#include "plane/tgrafzone.h"
#include "plane/tool_support.h"
#include "platform/cursors.h"
#include "space/tgrafgl.h"

namespace {

constexpr int CreateCursor = 13;   // construit.ico
constexpr int DestroyCursor = 14;  // poubelle.ico
constexpr int NumberCharacters = 4;

QPushButton* makeButton(const char* name, const char* caption, int cursor) {
    auto* button = named(name, new QPushButton(QString::fromUtf8(caption)));
    button->setCursor(cursorFromNumber(cursor));
    return button;
}

}  // namespace

ColourEdit* makeNumberEdit(const char* name, const char* text) {
    auto* edit = named(name, new ColourEdit(nullptr, ColourEdit::ForcedCase::Lower));
    edit->setText(text);
    edit->paintBlack();
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(NumberCharacters, '0')) + 14);
    return edit;
}

long double readNumber(ColourEdit& edit) {
    const long double value = NumberReader(edit.latin1Text());
    if (value == ErrorValue) edit.paintRed();
    return value;
}

void paintBlack(std::initializer_list<ColourEdit*> edits) {
    for (ColourEdit* edit : edits) edit->paintBlack();
}

void showNumber(ColourEdit& edit, long double value) {
    edit.setText(QString::fromStdString(FloatToStr(value)));
    edit.paintBlack();
}

QPushButton* makeCreateButton(const char* name, const char* caption) {
    return makeButton(name, caption, CreateCursor);
}

QPushButton* makeDeleteButton(const char* name, const char* caption) {
    return makeButton(name, caption, DestroyCursor);
}

QHBoxLayout* equationRow(std::initializer_list<RowPiece> pieces) {
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    for (const RowPiece& piece : pieces) {
        if (const auto* text = std::get_if<const char*>(&piece)) row->addWidget(new QLabel(QString::fromUtf8(*text)));
        else row->addWidget(std::get<QWidget*>(piece));
    }
    row->addStretch();
    return row;
}

void exclusiveGroup(QObject* owner, std::initializer_list<QRadioButton*> buttons) {
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* button : buttons) group->addButton(button);
}

void redrawSpaceView() {
    if (grafgl) grafgl->FormPaint();
}

void refreshShownPlaneGraph() {
    if (grafzone && grafzone->isVisible()) grafzone->repaintGraph();
}

SolidDialog::SolidDialog(const char* caption, const char* slotCaption, QWidget* parent)
    : ToolWindow(QString::fromUtf8(caption), parent),
      R1(named("R1", new QRadioButton(QString::fromUtf8(slotCaption) + "1"))),
      r2(named("r2", new QRadioButton(QString::fromUtf8(slotCaption) + "2"))),
      R3(named("R3", new QRadioButton(QString::fromUtf8(slotCaption) + "3"))),
      BitBtn1(makeCreateButton("BitBtn1", "Créer ?")),
      BitBtn2(makeDeleteButton("BitBtn2", "Supprimer ?")) {
    exclusiveGroup(this, {R1, r2, R3});
    R1->setChecked(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    for (QRadioButton* button : {R1, r2, R3})
        connect(button, &QRadioButton::clicked, this, [this] { R1Click(); });
}

int SolidDialog::ObjectNumber() const { return R3->isChecked() ? 3 : r2->isChecked() ? 2 : 1; }

void SolidDialog::finishLayout(QLayout* equations) {
    QVBoxLayout* layout = makeBodyLayout(*this);
    auto* choice = new QHBoxLayout;
    for (QRadioButton* button : {R1, r2, R3}) choice->addWidget(button);
    choice->addStretch();
    layout->addLayout(choice);
    layout->addLayout(equations);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();
    buttons->addWidget(takeStopButton());
    layout->addLayout(buttons);
}
