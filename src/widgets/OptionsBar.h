#pragma once

#include <QHash>
#include <QStringList>
#include <QWidget>

class QFrame;
class QLabel;
class QHBoxLayout;

// A status bar of keyed panels. A panel drawn inset means "on", raised "off";
// a click on a panel is reported with its key.
class OptionsBar : public QWidget {
    Q_OBJECT
public:
    explicit OptionsBar(QWidget* parent = nullptr);

    void addPanel(const QString& key, const QString& text, const QString& toolTip = {});
    QStringList keys() const { return m_order; }
    bool hasPanel(const QString& key) const { return m_panels.contains(key); }
    void setInset(const QString& key, bool inset);
    bool isInset(const QString& key) const;
    QWidget* panel(const QString& key) const;
    // Clicks a panel the way a user would (also used by keyboard access).
    void clickPanel(const QString& key);

signals:
    void panelClicked(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHBoxLayout* m_layout;
    QHash<QString, QFrame*> m_panels;
    QStringList m_order;
};
