#pragma once
// "Parité": whether the chosen function seems even or odd on the frame,
// shown by stepping a point of the curve and its mirror image along it.

#include <QPointer>

#include "platform/tool_window.h"

class QLabel;
class QPushButton;
enum class Symmetry;

class Tparite : public ToolWindow {
    Q_OBJECT
public:
    explicit Tparite(QWidget* parent = nullptr);

    QLabel* result;
    QPushButton* BitBtn1;  // "Paire ?"
    QPushButton* BitBtn2;  // "Impaire ?"

    void pairClick();
    void impair();

protected:
    void stopClick() override;

private:
    // Steps through the test on the graph, then writes its verdict; false when
    // the test cannot run.
    bool demonstrate(Symmetry symmetry);
};

// The one Tparite of the program, created at start-up; null before and after.
extern QPointer<Tparite> parite;
