#pragma once
// Types a text into an entry field as a person does, accents and "²" included
// (QTest::keyClicks refuses them), then presses Enter.

#include <QString>
#include <QTest>

#include "platform/colour_edit.h"

inline void typeAndEnter(ColourEdit& edit, const char* text) {
    edit.clear();
    for (const QChar ch : QString::fromUtf8(text))
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QTest::keyClick(&edit, Qt::Key_Return);
}
