#include "widgets/FieldMark.h"

#include "config/Colours.h"
#include "widgets/ColourPalette.h"

#include <QWidget>

void colourField(QWidget* field, WinColor colour) {
    QPalette p = field->palette();
    const QColor c = toQColor(colour);
    p.setColor(QPalette::Base, c);
    // A drop-down's button keeps the face colour unless the field is marked.
    const bool plain = colour == WinColor::system(Colours::kWindow);
    p.setColor(QPalette::Button, plain ? toQColor(WinColor::system(Colours::kButtonFace)) : c);
    field->setPalette(p);
}

void markField(QWidget* field, bool faulty) {
    colourField(field, faulty ? Colours::lightRed() : WinColor::system(Colours::kWindow));
}

bool isFieldMarked(const QWidget* field) {
    return field->palette().color(QPalette::Base) == toQColor(Colours::lightRed());
}
