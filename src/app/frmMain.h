#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace Ui {
class frmMain;
}
class BalloonHelp;
class CreditDisplay;
class HeaderArea;
class MassMode;
class MessageEditor;
class OptionPanels;
class PhonebookDock;
class RecipientInput;
class SendJournal;
class SendSession;
class SendWorkflow;
class SignatureListController;
class TrayController;
class UpdateNotice;
class frmHelp;
class frmVerlauf;
class clsMRU;
class frmSplash;
struct SendContext;

// The main window: loads its form and composes one controller per concern.
// Rules live in the subsystems; this class only wires them to the controls.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The main window load, reporting each step on the splash window (may be null).
    void load(frmSplash* splash);
    // How long the load waits for the balance (the query's own wait is longer).
    static constexpr int kStartBalanceTimeoutMs = 8000;

    Ui::frmMain& ui() { return *m_ui; }
    HeaderArea& header() { return *m_header; }
    TrayController& tray() { return *m_tray; }
    SendContext& sendContext() { return *m_context; }
    RecipientInput& recipient() { return *m_recipient; }
    MessageEditor& editor() { return *m_editor; }
    SendSession& session() { return *m_session; }
    SendJournal& journal() { return *m_journal; }
    CreditDisplay& credits() { return *m_credits; }
    OptionPanels& optionPanels() { return *m_optionPanels; }
    SendWorkflow& workflow() { return *m_workflow; }
    MassMode& massModeControl() { return *m_massMode; }
    clsMRU& mru() { return *m_mru; }
    SignatureListController& signatures() { return *m_signatures; }
    BalloonHelp* balloonHelp() { return m_balloon; }
    PhonebookDock& phonebook() { return *m_phonebook; }
    UpdateNotice& updateNotice() { return *m_updateNotice; }
    // The user ended the program in the no-connection window during load():
    // the load stopped there and the window is not to be shown.
    bool quitRequested() const { return m_quitRequested; }
    frmHelp* showHelp();
    // "Verlauf": the journal's window, one at a time.
    frmVerlauf* showHistory();

    void restoreWindowPosition();
    void saveWindowPosition();
    void restoreLastInput();
    void saveLastInput();

    bool massMode() const;
    bool phonebookOpen() const { return m_phonebookOpen; }
    // Secondary windows that follow the main window (hidden with it, closed with it).
    void setMassWindow(QWidget* w) { m_massWindow = w; }
    void setPhonebookWindow(QWidget* w) { m_phonebookWindow = w; }
    void setNewsWindow(QWidget* w) { m_newsWindow = w; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void info(frmSplash* splash, const QString& text);
    void setSecondaryVisible(bool visible);
    void composeControllers();
    void refreshCreditsWhileStarting();

    std::unique_ptr<Ui::frmMain> m_ui;
    std::unique_ptr<HeaderArea> m_header;
    TrayController* m_tray;
    std::unique_ptr<SendContext> m_context;
    std::unique_ptr<clsMRU> m_mru;
    std::unique_ptr<SendJournal> m_journal;
    RecipientInput* m_recipient = nullptr;
    MessageEditor* m_editor = nullptr;
    SendSession* m_session = nullptr;
    CreditDisplay* m_credits = nullptr;
    OptionPanels* m_optionPanels = nullptr;
    SignatureListController* m_signatures = nullptr;
    SendWorkflow* m_workflow = nullptr;
    MassMode* m_massMode = nullptr;
    BalloonHelp* m_balloon = nullptr;
    bool m_phonebookOpen = false;
    PhonebookDock* m_phonebook = nullptr;
    UpdateNotice* m_updateNotice = nullptr;
    QPointer<frmHelp> m_help;
    QPointer<frmVerlauf> m_history;
    bool m_quitRequested = false;
    QPointer<QWidget> m_massWindow;
    QPointer<QWidget> m_phonebookWindow;
    QPointer<QWidget> m_newsWindow;
};
