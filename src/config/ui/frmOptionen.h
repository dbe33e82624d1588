#pragma once

#include "config/OptionsRules.h"
#include "config/ui/OptionsOpening.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class frmOptionen;
}
class OptionsAccountPage;
class OptionsPage;
class OptionsProxyPage;
class OptionsSendPage;
class OptionsServicePages;
class TreeButton;
class WebBrowser;
class QWidget;

// The options dialog: a list of page entries on the left, one page at a
// time on the right. Each page's controller reads its fields and lets
// OptionsRules decide; the dialog switches pages, keeps the dirty flag and
// applies. Settings change only when it applies.
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

    // The page "Outlook Integration" belongs to another subsystem: the program
    // hands in its widget, which fills the page, and its controller, which
    // loads and stores with the other pages. Before load().
    void hostSection(QWidget* section, OptionsPage* controller);
    // The hosted widget; nullptr while none is.
    QWidget* hostedSection() const { return m_hosted; }

    // Fills every field from the settings and shows page 1.
    void load();
    void showPage(int page);
    void highlightEntry(int page);

    int currentPage() const { return m_page; }
    int highlightedEntry() const { return m_highlighted; }
    bool applyFailed() const { return m_applyFailed; }
    // What the fields say now; what no page shows stays as loaded.
    OptionsRules::OptionsForm form() const;
    // "&OK" without closing, or "&Übernehmen": true when the settings took it.
    bool apply();

    Ui::frmOptionen& ui() { return *m_ui; }
    TreeButton* entry(int page) const;
    // The address the page's browser was sent to last (pages 3 and 4).
    QString pageAddress(int page) const;
    // The browser of page 3 or 4.
    WebBrowser* browser(int page) const;

signals:
    void applied();

private:
    void addPage(OptionsPage* page);
    void buildEntries();
    void paintPages();
    void setDirty();
    void updateButtons();
    void onOk();
    void onServicePageLoaded(int page);

    std::unique_ptr<Ui::frmOptionen> m_ui;
    OptionsAccountPage* m_account;
    OptionsSendPage* m_send;
    OptionsProxyPage* m_proxy;
    OptionsServicePages* m_service;
    std::vector<OptionsPage*> m_pages; // in the order they load and store
    QWidget* m_hosted = nullptr;
    OptionsRules::OptionsForm m_loaded;
    int m_page = Kontodaten;
    int m_highlighted = Kontodaten;
    bool m_applyFailed = false;
    bool m_dirty = false;
    bool m_loading = false;
};
