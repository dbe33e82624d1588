#pragma once

#include <QWidget>

class QLabel;
class WebBrowser;

// The service's help pages below a header strip with the logo.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    WebBrowser& browser() const { return *m_browser; }
    QWidget* header() const { return m_header; }
    QLabel* logo() const { return m_logo; }

    // The logo's distance from the header's right edge: 800 twips.
    static int logoMarginPx(double dpi);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_header;
    QLabel* m_logo;
    WebBrowser* m_browser;
};
