#pragma once

#include <QObject>
#include <QString>

namespace Ui {
class frmOptionen;
}
class WebBrowser;
class QWidget;

// The pages "Credits einkaufen" and "Terminversand": the service's own pages
// in a browser each, opened with the account and the dialog's colour.
// Pages are named by the dialog's numbers (frmOptionen::Credits, ::Terminversand).
class OptionsServicePages : public QObject {
    Q_OBJECT
public:
    OptionsServicePages(Ui::frmOptionen& ui, QObject* parent);

    // Shows the loading note and sends the page's browser to its address.
    void open(int page);
    void hideBrowsers();
    WebBrowser* browser(int page) const;
    // The address the page's browser was sent to last.
    QString address(int page) const;

signals:
    // The page finished loading; its loading note is gone, its browser still hidden.
    void loaded(int page);
    // A close link on a page, told once the browser's callback has returned.
    void closeRequested();

private:
    WebBrowser* make(QWidget* box, int page);

    Ui::frmOptionen& m_ui;
    WebBrowser* m_credits = nullptr;
    WebBrowser* m_cron = nullptr;
    QString m_creditsAddress;
    QString m_cronAddress;
};
