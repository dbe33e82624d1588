#pragma once

#include <QObject>

class OptionsBar;

// The three option panels of the main window's status bar: sender name,
// reply and delivery confirmation. Inset means on.
class OptionPanels : public QObject {
    Q_OBJECT
public:
    OptionPanels(OptionsBar* bar, QObject* parent = nullptr);

    // Draws the panels from the settings, then recomputes the cost.
    void setOptionsBar();
    void onPanelClicked(const QString& key);

    static QString missingSenderText();

signals:
    // The cost per SMS and the measured size are to be recomputed after a change.
    void costChanged();
    void sizeChanged();
    // The options dialog is to open (the sender name is missing).
    void optionenRequested();

private:
    OptionsBar* m_bar;
};
