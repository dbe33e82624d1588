#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// An owner-drawn button that swaps its picture while the pointer is over it
// and draws a thin 3-D frame: raised on hover, sunken while pressed. One
// Click per release inside the button. ToolbarButton and TreeButton differ
// only in how picture and caption are laid out. Reached with Tab; Space (on
// release) and Enter press it as a click does.
class HoverButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(QPixmap PictureHover READ pictureHover WRITE setPictureHover)
    Q_PROPERTY(QPixmap PictureDisabled READ pictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(
        QColor ThemedBackColor READ themedBackColor WRITE setThemedBackColor RESET resetThemedBackColor)
public:
    enum class Frame { Flat, Raised, Sunken };
    enum class Shown { Nothing, Normal, Hover, Disabled };

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // The pictures as set; an unset hover or disabled picture is drawn from
    // the normal one (a lighter and a grey copy).
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& p);
    QPixmap pictureHover() const { return m_hover; }
    void setPictureHover(const QPixmap& p);
    QPixmap pictureDisabled() const { return m_disabled; }
    void setPictureDisabled(const QPixmap& p);
    // The background of the whole control. Until a colour is set it follows
    // the palette's button face; an invalid colour goes back to that.
    QColor themedBackColor() const;
    void setThemedBackColor(const QColor& c);
    void resetThemedBackColor() { setThemedBackColor(QColor()); }

    // What the button shows now, for tests and accessibility.
    Frame frameState() const;
    Shown shownPicture() const;
    // The picture painted now (null when there is none).
    QPixmap currentPicture() const;
    bool isPressed() const { return m_pressed; }
    bool isRaisedMark() const { return m_raised; }
    // Where picture and caption stand in the control at its current size.
    QRect pictureRect() const;
    QRect captionRect() const;
    // The colour the caption is drawn in: greyed while disabled.
    QColor captionColor() const;

    // One Click, as from the pointer or the keyboard; nothing while disabled.
    void click();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Click();

protected:
    explicit HoverButton(QWidget* parent);
    // Where picture and caption go in a control of the given size; an empty
    // size asks for the smallest layout.
    virtual void layoutFor(const QSize& size, QRect& picture, QRect& caption) const = 0;
    QSize pictureSize() const;
    QSize captionSize() const;
    // A caption, picture or font change moves the parts and the size hint.
    void relayout();

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setRaised(bool raised);
    void picturesChanged();

    QString m_caption;
    QPixmap m_picture;
    QPixmap m_hover;
    QPixmap m_disabled;
    // What is painted for the hover and disabled states, derived when unset.
    QPixmap m_paintedHover;
    QPixmap m_paintedDisabled;
    QColor m_back;
    bool m_pressed = false;
    bool m_spaceDown = false;
    bool m_raised = false;
};
