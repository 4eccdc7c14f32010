#pragma once
// "Milieu": the midpoint of a segment named by its two ends, which follows them.

#include <QPointer>

#include "constructions/construction_dialog.h"

class QCheckBox;

class TPtmilieu : public PointDialog {
    Q_OBJECT
public:
    explicit TPtmilieu(QWidget* parent = nullptr);

    ColourEdit* Editnom;  // the ends, "AB"
    QCheckBox* lieu;      // "Laisser la trace de ce point"

    void BitBtn1Click() override;
};

// The one TPtmilieu of the program, created at start-up; null before and after.
extern QPointer<TPtmilieu> Ptmilieu;
