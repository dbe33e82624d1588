#include "widgets/FieldMark.h"

#include "config/Colours.h"
#include "config/ui/ColourPalette.h"

#include <QWidget>

void markField(QWidget* field, bool faulty) {
    QPalette p = field->palette();
    const QColor colour = faulty ? toQColor(Colours::lightRed()) : toQColor(WinColor::system(Colours::kWindow));
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, faulty ? colour : toQColor(WinColor::system(Colours::kButtonFace)));
    field->setPalette(p);
}

bool isFieldMarked(const QWidget* field) {
    return field->palette().color(QPalette::Base) == toQColor(Colours::lightRed());
}
