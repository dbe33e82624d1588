#include "app/OptionsDialog.h"

#include "config/ui/OptionsPage.h"
#include "config/ui/frmOptionen.h"
#include "outlook/ui/OutlookSection.h"
#include "platform/ui/WidgetPrompts.h"

namespace {

// The Outlook section as one of the dialog's pages: its choice is held in
// the section until the dialog applies.
class OutlookOptionsPage : public OptionsPage {
public:
    explicit OutlookOptionsPage(OutlookSection* section) : OptionsPage(section), m_section(section) {
        connect(section, &OutlookSection::changed, this, &OptionsPage::changed);
    }

    void load(const OptionsRules::OptionsForm& f) override {
        m_section->setChoice(
            OutlookChoice{f.outlookProfile, f.contactFolderName, f.contactStoreId, f.contactEntryId});
    }

    void store(OptionsRules::OptionsForm& f) const override {
        const OutlookChoice& o = m_section->choice();
        f.outlookProfile = o.profile;
        f.contactFolderName = o.folderName;
        f.contactStoreId = o.storeID;
        f.contactEntryId = o.entryID;
    }

private:
    OutlookSection* m_section;
};

} // namespace

void hostOutlookSection(frmOptionen& dialog) {
    auto* section = new OutlookSection;
    dialog.hostSection(section, new OutlookOptionsPage(section));
}

void registerOptionsDialog() {
    static bool hosting = false;
    if (!hosting) {
        hosting = true;
        OptionsEvents& events = OptionsEvents::instance();
        QObject::connect(&events, &OptionsEvents::opening, &events,
                         [](frmOptionen* dialog) { hostOutlookSection(*dialog); });
    }
    WidgetPrompts::instance().registerDialog(QString::fromLatin1(Prompts::Dialog::Options),
                                             [](QWidget* parent, const QVariantMap& args) -> QVariant {
                                                 const QString page =
                                                     args.value(QStringLiteral("page")).toString();
                                                 if (page == QLatin1String("absender"))
                                                     showOptionen(parent);
                                                 else if (page == QLatin1String("credits"))
                                                     showBuyCredits(parent);
                                                 else if (page == QLatin1String("terminversand"))
                                                     showOptionTerminversand(parent);
                                                 else
                                                     showOptions(parent);
                                                 return {};
                                             });
}
