#pragma once

#include "config/OptionsRules.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmOptionen;
}
class OutlookSection;
class TreeButton;
class WebBrowser;
class QLineEdit;
class QWidget;

// The options dialog: a list of page entries on the left, one page at a
// time on the right. It reads its fields, lets OptionsRules decide, and
// shows the result; settings change only when it applies.
class frmOptionen : public QDialog {
    Q_OBJECT
public:
    enum Page : int {
        Kontodaten = 1,
        Versandoptionen = 2,
        Credits = 3,
        Terminversand = 4,
        Server = 5,
        Proxy = 6,
        Outlook = 7, // the section "Outlook Integration"
    };

    explicit frmOptionen(QWidget* parent = nullptr);
    ~frmOptionen() override;

    // Fills every field from the settings and shows page 1.
    void load();
    void showPage(int page);
    void highlightEntry(int page);

    int currentPage() const { return m_page; }
    int highlightedEntry() const { return m_highlighted; }
    bool applyFailed() const { return m_applyFailed; }
    // What the fields say now.
    OptionsRules::OptionsForm form() const;
    // "&OK" without closing, or "&Übernehmen": true when the settings took it.
    bool apply();

    Ui::frmOptionen& ui() { return *m_ui; }
    OutlookSection& outlook() { return *m_outlook; }
    TreeButton* entry(int page) const;
    // The address the page's browser was sent to last (pages 3 and 4).
    QString pageAddress(int page) const;
    // The browser of page 3 or 4.
    WebBrowser* browser(int page) const;

signals:
    void applied();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEntries();
    void paintPages();
    void showPasswordStorage();
    void setDirty();
    void updateButtons();
    void onSenderIdCheck();
    void onSenderIdEdited(const QString& text);
    void onSenderIdChanged();
    void showSenderWarning(const QString& text);
    void updateCost();
    void serverRule();
    void bookingRule();
    void chooseFolder();
    void proxyRule();
    bool portLeft();
    void onOk();
    void openServicePage(int page);
    void buildBrowsers();
    void onPageLoaded(int page);

    std::unique_ptr<Ui::frmOptionen> m_ui;
    OutlookSection* m_outlook;
    int m_page = Kontodaten;
    int m_highlighted = Kontodaten;
    bool m_applyFailed = false;
    bool m_dirty = false;
    bool m_senderAcceptable = true;
    int m_senderMaxLength = OptionsRules::kSenderIdMaxLetters;
    bool m_loading = false;
    bool m_pasteStripped = false; // the last edit dropped characters of a paste
    WebBrowser* m_creditsBrowser = nullptr;
    WebBrowser* m_cronBrowser = nullptr;
    QString m_creditsAddress;
    QString m_cronAddress;
};

// Tells the windows that show settings (the main window's indicators and
// balance) that an options dialog applied, or closed; one for the process,
// since the dialog can be opened from several places.
class OptionsEvents : public QObject {
    Q_OBJECT
public:
    static OptionsEvents& instance();
signals:
    void applied();
    void closed();
};

// The ways to open the dialog. There is one dialog at a time: while one is
// open, a second call brings it to the front on the page asked for.
// Toolbar: modal, page 1.
void showOptions(QWidget* owner);
// An option indicator of the main window: not modal, page 2.
void showOptionen(QWidget* owner);
// The credit purchase link: modal, page 3 (the entry "Kontodaten" stays highlighted).
void showBuyCredits(QWidget* owner);
// The scheduling window: modal, page 4 with its entry highlighted.
void showOptionTerminversand(QWidget* owner);
// The dialog shown now, if any.
frmOptionen* openOptionsDialog();
// Makes the dialog reachable through the prompts seam ("options", args: page
// 2 "absender", 3 "credits", 4 "terminversand", else 1).
void registerOptionsDialog();
