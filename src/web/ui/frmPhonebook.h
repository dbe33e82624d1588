#pragma once

#include <QPointer>
#include <QWidget>

class WebBrowser;

// The service's phonebook, docked at the right edge of the main window and
// following it while it moves.
class frmPhonebook : public QWidget {
    Q_OBJECT
public:
    explicit frmPhonebook(QWidget* parent = nullptr);

    WebBrowser& browser() const { return *m_browser; }

    // Top at the main window's top, left edge at its right edge, its height;
    // kept so whenever the main window moves or changes size.
    void placeBeside(QWidget* mainWindow);

signals:
    // Closed by any means: its frame, a link, the toolbar.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dock();

    WebBrowser* m_browser;
    QPointer<QWidget> m_main;
};
