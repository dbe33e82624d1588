#pragma once

#include <QAccessibleWidget>

class HoverButton;

// What assistive tools see of a hover button: a push button named by its
// caption (its tool tip where it has none) that can be pressed.
class HoverButtonAccessible : public QAccessibleWidget {
public:
    explicit HoverButtonAccessible(HoverButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Makes the interface known to the accessibility framework (once).
    static void registerFactory();

private:
    HoverButton* button() const;
};
