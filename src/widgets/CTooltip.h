#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

// The balloon help of a window: an optional icon and title over a text, in a
// balloon or a plain rectangle, shown after a delay and hidden again after
// its visible time.
class CTooltip : public QObject {
    Q_OBJECT
public:
    enum IconKind { NoIcon = 0, Information = 1, Warning = 2, Error = 3 };
    static constexpr int kBalloon = 1;

    explicit CTooltip(QObject* parent = nullptr);
    ~CTooltip() override;

    int Style = kBalloon;
    bool Centered = false;

    int icon() const { return m_icon; }
    void setIcon(int icon);
    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QString tipText() const { return m_text; }
    void setTipText(const QString& text);
    // 0 means the system's colour.
    QColor foreColor() const { return m_fore; }
    void setForeColor(const QColor& c);
    QColor backColor() const { return m_back; }
    void setBackColor(const QColor& c);
    int VisibleTime = 5000;
    int DelayTime = 500;

    // Builds the tip for the owner window; Destroy removes it.
    void Create(QWidget* owner);
    void Destroy();
    // Shows the tip at a point of the owner (after the delay) / hides it.
    void showAt(const QPoint& ownerPos);
    void hide();

    bool isCreated() const { return m_tip != nullptr; }
    bool isShown() const;
    // The tip window itself (null until created).
    QWidget* tipWindow() const;
    // Whether a title line (title or icon) is drawn above the text.
    bool hasTitleArea() const;

private:
    void applyContent();

    QPointer<QWidget> m_owner;
    QWidget* m_tip = nullptr;
    int m_icon = NoIcon;
    QString m_title;
    QString m_text;
    QColor m_fore;
    QColor m_back;
    QTimer m_delay;
    QTimer m_visible;
    QPoint m_pendingPos;
};
