#pragma once
// "Point en coordonnées polaires": a fixed point given by its distance to the
// origin and its angle.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QLabel;
class QPushButton;

class Tpointpolaire : public ToolWindow {
    Q_OBJECT
public:
    explicit Tpointpolaire(QWidget* parent = nullptr);

    QLabel* lnom;  // the name of the next point
    ColourEdit* r;
    ColourEdit* angle;
    QPushButton* BitBtn1;  // "Créer ?"

    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
};

// The one Tpointpolaire of the program, created at start-up; null before and after.
extern QPointer<Tpointpolaire> pointpolaire;
