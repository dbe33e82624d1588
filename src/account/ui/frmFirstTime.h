#pragma once

#include "account/AccountFields.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLineEdit;
class Transfer;
class WebBrowser;

namespace Ui {
class frmFirstTime;
}

// The first-start wizard: introduction, account page (sign in or register),
// completion page for the mailed password. Closing it, by any button or by
// the frame, emits closed() once; the window then deletes itself as soon as
// no request of its own is waiting.
class frmFirstTime : public QWidget {
    Q_OBJECT
public:
    explicit frmFirstTime(QWidget* parent = nullptr);
    ~frmFirstTime() override;

    // A request to the service is under way (the wait overlay is up).
    bool isBusy() const { return m_busy; }
    // The introduction's browser; nullptr when the wizard opens on the completion page.
    WebBrowser* introBrowser() const { return m_browser; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectOption(int index);
    void doIt();
    void loginExistingAccount();
    void createNewAccount();
    void activateNewAccount();
    void showCompletion(const QString& text);
    void showWait(bool on);
    void showWarning(const QString& text);
    void applyMarks(const AccountFields::Check& check);
    // Runs the blocking request under the wait overlay. False when the
    // wizard was closed meanwhile: the reply is then of no use.
    bool request(const std::function<void()>& send);
    AccountFields::ExistingAccount existingAccount() const;
    AccountFields::NewAccount newAccount() const;
    QList<QWidget*> existingGroup() const;
    QList<QWidget*> newGroup() const;

    std::unique_ptr<Ui::frmFirstTime> m_ui;
    Transfer* m_iNet;
    WebBrowser* m_browser = nullptr;
    bool m_busy = false;
    bool m_closed = false;
};
