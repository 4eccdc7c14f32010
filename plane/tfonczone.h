#pragma once
// "Fonction de x": the formulas of f, g, h and i. Enter validates; a formula
// that does not compile empties its slot and turns red.

#include <QPointer>

#include "platform/tool_window.h"

class ColourEdit;
class QCheckBox;
class QPushButton;
class QToolButton;

class TfoncZone : public ToolWindow {
    Q_OBJECT
public:
    explicit TfoncZone(QWidget* parent = nullptr);

    ColourEdit* Editf;
    ColourEdit* Editg;
    ColourEdit* Edith;
    ColourEdit* Editi;
    QCheckBox* cache;  // "Masquer les courbes"
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QToolButton* IAeverButton1;  // opens the formula help

    // The edit of slot 1..4.
    ColourEdit* slotEdit(int slot) const;

    // Enter in one of the four edits: validates it, clears the emptied slots.
    void keypress(ColourEdit& sender);
    void cacheClick();
    void BitBtn1Click() { domainButtonClick(1); }
    void BitBtn2Click() { domainButtonClick(2); }
    void BitBtn3Click() { domainButtonClick(3); }
    void BitBtn4Click() { domainButtonClick(4); }
    void IAeverButton1Click();

private:
    void domainButtonClick(int slot);
};

// The one TfoncZone of the program, created at start-up; null before and after.
extern QPointer<TfoncZone> foncZone;
