#include "platform/colour_edit.h"

#include <QKeyEvent>
#include <QPalette>

ColourEdit::ColourEdit(QWidget* parent, ForcedCase forced) : QLineEdit(parent), forced_(forced) {
    connect(this, &QLineEdit::textChanged, this, &ColourEdit::onTextEdited);
    setFontColour(clBlack);
}

void ColourEdit::setFontColour(TColor colour) {
    fontColour_ = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, toQColor(colour));
    setPalette(palette);
}

std::string ColourEdit::latin1Text() const { return text().toLatin1().toStdString(); }

bool ColourEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && !hasSelectedText()
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void ColourEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ColourEdit::onTextEdited(const QString& text) {
    if (forced_ != ForcedCase::None) {
        const QString wanted = forced_ == ForcedCase::Upper ? text.toUpper() : text.toLower();
        if (wanted != text) {
            const int cursor = cursorPosition();
            setText(wanted);  // re-enters through textChanged with the wanted text
            setCursorPosition(cursor);
            return;
        }
    }
    setFontColour(clBlue);
}

void SwapEditTexts(ColourEdit& first, ColourEdit& second) {
    const QString kept = first.text();
    first.setText(second.text());
    second.setText(kept);
}
