#pragma once

#include "config/OptionsRules.h"

#include <QObject>

// One page of the options dialog, as the dialog frame sees it: it fills its
// fields from the loaded form, writes them back into the form to apply, and
// says when the user changed one of them. The frame owns the dirty flag and
// the order of loading and applying; a page never touches the settings.
class OptionsPage : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void load(const OptionsRules::OptionsForm& form) = 0;
    // Only the fields this page shows; the rest of the form stays as it is.
    virtual void store(OptionsRules::OptionsForm& form) const = 0;

signals:
    // A field of the page changed, by the user or by a page rule.
    void changed();
};
