#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;

// Shown from the program start until the main window has loaded; reports each
// loading step in its status line.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Shows the step, repaints, lets pending events run, then pauses.
    void info(const QString& text);
    QStringList steps() const { return m_steps; }

    // The pause after each step (200 ms); tests shorten it.
    static void setStepPauseMs(int ms);
    static int stepPauseMs();

signals:
    void stepShown(const QString& text);

private:
    QLabel* m_product;
    QLabel* m_logo;
    QLabel* m_version;
    QLabel* m_status;
    QStringList m_steps;
};
