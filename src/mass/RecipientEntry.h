#pragma once

#include <QString>

// One recipient of a mass send. The tag is the running number the list gave
// the entry when it was added; it identifies the entry while it is edited.
struct RecipientEntry {
    QString name;
    QString number;
    QString frei1;
    QString frei2;
    qint32 tag = 0;

    bool operator==(const RecipientEntry&) const = default;
};
