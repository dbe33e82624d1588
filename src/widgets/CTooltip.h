#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;

// The balloon help of a window: an optional icon and title over a text, in a
// balloon or a plain rectangle, shown after a delay and hidden again after
// its visible time. Create builds the tip window for an owner window; the
// tip is painted by a small frameless tool-tip window of that owner.
class CTooltip : public QObject {
    Q_OBJECT
public:
    enum IconKind { NoIcon = 0, Information = 1, Warning = 2, Error = 3 };
    // Style 1 draws a balloon, any other value a rectangle.
    static constexpr int kBalloon = 1;
    static constexpr int kRectangle = 0;

    explicit CTooltip(QObject* parent = nullptr);
    ~CTooltip() override;

    // Read when the tip is shown.
    int Style = kBalloon;
    // The tip stands centred under the point it is shown at.
    bool Centered = false;
    // Milliseconds the tip stays (0 or less: until hidden) and before it shows.
    int VisibleTime = 5000;
    int DelayTime = 500;

    int icon() const { return m_icon; }
    void setIcon(int icon);
    QString title() const { return m_title; }
    void setTitle(const QString& title);
    QString tipText() const { return m_text; }
    void setTipText(const QString& text);
    // An invalid colour means the system's tool-tip colour.
    QColor foreColor() const { return m_fore; }
    void setForeColor(const QColor& c);
    QColor backColor() const { return m_back; }
    void setBackColor(const QColor& c);

    // Builds the tip for the owner window, replacing an earlier one; Destroy
    // removes it (as does the end of this object or of the owner).
    void Create(QWidget* owner);
    void Destroy();
    // Shows the tip, after the delay, pointing at a point of the owner or at
    // the middle of a widget's lower edge. A later call replaces a pending one.
    void showAt(const QPoint& ownerPos);
    void showAt(QWidget* target);
    // Hides the tip and cancels a pending show.
    void hide();

    bool isCreated() const { return m_tip != nullptr; }
    bool isShown() const;
    bool isPending() const { return m_delay.isActive(); }
    // The tip window itself (null until created).
    QWidget* tipWindow() const;
    // Whether a title line (title or icon) is drawn above the text.
    bool hasTitleArea() const;

private:
    void applyContent();
    void showNow();

    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_tip;
    QPointer<QWidget> m_anchor;
    QPoint m_anchorPos;
    int m_icon = NoIcon;
    QString m_title;
    QString m_text;
    QColor m_fore;
    QColor m_back;
    QTimer m_delay;
    QTimer m_visible;
};
