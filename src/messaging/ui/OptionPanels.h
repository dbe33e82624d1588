#pragma once

#include <QObject>

#include <functional>

class OptionsBar;

// The three option panels of the main window's status bar: sender name,
// reply and delivery confirmation. Inset means on.
class OptionPanels : public QObject {
    Q_OBJECT
public:
    OptionPanels(OptionsBar* bar, QObject* parent = nullptr);

    // Recompute the cost per SMS and the measured size after a change.
    void setOnCostChanged(std::function<void()> f) { m_cost = std::move(f); }
    void setOnSizeChanged(std::function<void()> f) { m_size = std::move(f); }
    // Opens the options dialog (the sender name is missing).
    void setShowOptionen(std::function<void()> f) { m_showOptionen = std::move(f); }

    // Draws the panels from the settings, then recomputes the cost.
    void setOptionsBar();
    void onPanelClicked(const QString& key);

    static QString missingSenderText();

private:
    OptionsBar* m_bar;
    std::function<void()> m_cost;
    std::function<void()> m_size;
    std::function<void()> m_showOptionen;
};
