#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;
class QStackedWidget;
class Transfer;
class WebBrowser;
class frmMultiSMS;

// "Gruppe öffnen": the service's group page in an embedded browser. A group
// link downloads that group's file; only a file downloaded and read whole
// replaces the mass-SMS list, otherwise the list stays and the user is told.
// Modal over its parent, but open() returns at once.
class frmOpenWebGroup : public QDialog {
    Q_OBJECT
public:
    frmOpenWebGroup(frmMultiSMS& target, QWidget* parent = nullptr);

    // Proxy, password (stored or asked for), group page; then shows the window.
    void start();

    WebBrowser& browser() const { return *m_browser; }
    Transfer& iNet() const { return *m_iNet; }

    // Downloads and reads the group file; true when it replaced the list.
    bool loadGroup(const QString& fileAddress);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onBeforeNavigate(const QString& target, bool* cancel);
    void showLoading(bool loading);

    QPointer<frmMultiSMS> m_target;
    WebBrowser* m_browser;
    Transfer* m_iNet;
    QStackedWidget* m_stack;
    QProgressBar* m_animation;
    bool m_loading = false;
};

// Key openWeb of the mass-SMS window opens the group window over it.
void attachWebGroups(frmMultiSMS& window);
