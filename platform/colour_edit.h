#pragma once
// An entry field that carries its state in its text colour: any change paints
// it blue; its owner paints it black when the value is accepted and red when
// it is refused. Enter emits enterPressed(). The copy key copies the selected
// text; with none selected it is left to the window (the graph's "Copier").

#include <QLineEdit>

#include "platform/colour.h"

class ColourEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class ForcedCase { None, Upper, Lower };

    explicit ColourEdit(QWidget* parent = nullptr, ForcedCase forced = ForcedCase::None);

    void setFontColour(TColor colour);
    TColor fontColour() const { return fontColour_; }
    void paintBlack() { setFontColour(clBlack); }
    void paintRed() { setFontColour(clRed); }
    void paintBlue() { setFontColour(clBlue); }
    // The text as the engine reads it: Latin-1 bytes.
    std::string latin1Text() const;

signals:
    void enterPressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onTextEdited(const QString& text);
    ForcedCase forced_;
    TColor fontColour_ = clBlack;
};

// Exchanges the texts of two edits (interval bounds put in increasing order).
void SwapEditTexts(ColourEdit& first, ColourEdit& second);
