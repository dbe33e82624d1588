#pragma once

#include <QHash>
#include <QObject>
#include <QPair>

class CTooltip;
class QWidget;

// The balloon help of the main window: pointing at one of a few elements
// shows its title and text once; pointing at the background closes it.
class BalloonHelp : public QObject {
    Q_OBJECT
public:
    explicit BalloonHelp(QWidget* window);
    ~BalloonHelp() override;

    void addElement(QWidget* element, const QString& title, const QString& text);
    // Pointing here closes the balloon.
    void addCloser(QWidget* area);

    bool balloonShown() const { return m_shown; }
    CTooltip& tooltip() { return *m_tip; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    CTooltip* m_tip;
    bool m_shown = false;
    QHash<QObject*, QPair<QString, QString>> m_elements;
    QList<QObject*> m_closers;
};

// The five elements of the main window and their texts.
namespace Ui {
class frmMain;
}
void addMainWindowBalloons(BalloonHelp& help, Ui::frmMain& ui);
