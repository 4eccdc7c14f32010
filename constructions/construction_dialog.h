#pragma once
// What the construction dialogs share: the "Créer ?" button, fields that show
// the outcome of a creation in their colours, the choice of a function, the
// "Détruire" button, and for the point dialogs the "Nom suivant" label. The
// reading of the fields and the tables' bookkeeping are in creation_steps.h.

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/colour_edit.h"
#include "platform/tool_window.h"

class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
struct Creation;

class ConstructionDialog : public ToolWindow {
    Q_OBJECT
public:
    QPushButton* BitBtn1;  // "Créer ?"

    // Reads the fields and creates the object.
    virtual void BitBtn1Click() = 0;

protected:
    ConstructionDialog(const QString& caption, QWidget* parent);
    // The fields, numbered from 0 in the order the creation reads them; Enter in
    // any of them creates as "Créer ?" does.
    void setFields(std::initializer_list<ColourEdit*> fields);
    // The fields the creation found wrong turn red; after a creation every field
    // turns black and `redraw` shows the new object. A message for the status
    // bar goes to the graph window.
    void finishCreation(const Creation& creation, void (*redraw)());
    // `leading` (may be empty) on the left, then "Créer ?" and the stop button on the right.
    QHBoxLayout* buttonRow(std::initializer_list<QWidget*> leading = {});
    // The window's layout, margins off.
    QBoxLayout* bodyLayout();

private:
    std::vector<ColourEdit*> fields_;
    QBoxLayout* layout_ = nullptr;
};

// The dialogs that add a point: their "Nom suivant" label Lnom shows the
// letter of the next point whenever they are shown and after every creation.
class PointDialog : public ConstructionDialog {
    Q_OBJECT
public:
    QLabel* Lnom;

protected:
    enum class Redraw { Constructions, WholeGraph };
    PointDialog(const QString& caption, QWidget* parent, Redraw redraw = Redraw::Constructions);
    // nextNameCaption and Lnom, then "Créer ?" and the stop button.
    QHBoxLayout* nextNameRow(const char* nextNameCaption = "Nom suivant :");
    // As finishCreation, every name label rewritten after a creation.
    void finishPoint(const Creation& creation);
    void showEvent(QShowEvent* event) override;

private:
    void (*redraw_)();
};

// "Choix de la fonction :" with the radio buttons "f" (checked), "g", "h", "i",
// written into the four pointers given.
QGroupBox* makeFunctionChoice(std::initializer_list<QRadioButton**> buttons);
// "Détruire", with the waste-bin cursor.
QPushButton* makeDestroyButton();
// A label whose text is a caption of the window.
QLabel* makeCaption(const char* text);
// One row per field, its caption on the left.
QGridLayout* labelledFields(std::initializer_list<std::pair<const char*, ColourEdit*>> fields);
// The widgets side by side from the left.
QHBoxLayout* rowOf(std::initializer_list<QWidget*> widgets);
// "Laisser la trace de ce point", read when the point is created.
QCheckBox* makeTraceBox();
// A check box that shows or hides a guide of the constructions: ticked or not,
// it writes `shown` at once, and a click redraws the graph.
QCheckBox* makeGuideBox(const char* name, const char* caption, bool& shown);
// A field named `name`, as wide as `characters` capital W's, or as the row allows for 0.
ColourEdit* makeField(const char* name, ColourEdit::ForcedCase forced, int characters);

// Redraws the constructions over the graph's picture.
void redrawConstructions();
// Draws the graph again, curves and constructions.
void repaintWholeGraph();
// Objects both views draw: the space view is repainted while it is shown,
// otherwise the graph redraws its constructions when it is shown.
void redrawShownView();
// Facets belong to the space view alone.
void repaintSpaceView();
