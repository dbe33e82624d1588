#include "Utf8.h"

#include "messaging/SendRules.h"

#include <gtest/gtest.h>

using namespace SendRules;

namespace {

FormCheck check(bool mass, bool prefix, const char* number, const char* text) {
    return validateSendForm({mass, prefix, s(number), s(text)});
}

} // namespace

TEST(SendRules, ComplaintsAreListedInFieldOrderAndTheFieldsMarked) {
    FormCheck c = check(false, true, "", "");
    EXPECT_FALSE(c.ok);
    EXPECT_FALSE(c.markPrefix);
    EXPECT_TRUE(c.markNumber && c.markText);
    EXPECT_EQ(c.boxText, s("Bitte korrigieren Sie die rot markierten Felder.\r\n\r\n"
                           "  - Bitte geben Sie eine Rufnummer an.\r\n"
                           "  - Bitte geben Sie eine Nachricht ein.\r\n"));

    c = check(false, false, "0170-123", "");
    EXPECT_TRUE(c.markPrefix && c.markNumber && c.markText);
    EXPECT_EQ(c.complaints, (QStringList{s("  - Bitte wählen Sie eine Vorwahl aus."),
                                         s("  - Die Rufnummer darf nur Ziffern enthalten."),
                                         s("  - Bitte geben Sie eine Nachricht ein.")}));

    c = check(false, true, "1234567", "Hallo");
    EXPECT_TRUE(c.ok);
    EXPECT_FALSE(c.markPrefix || c.markNumber || c.markText);
}

TEST(SendRules, MassModeChecksTheTextOnly) {
    FormCheck c = check(true, false, "", "Hallo");
    EXPECT_TRUE(c.ok);
    EXPECT_TRUE(c.boxText.isEmpty());
    c = check(true, false, "", "");
    EXPECT_FALSE(c.ok);
    EXPECT_FALSE(c.markPrefix || c.markNumber);
    EXPECT_EQ(c.complaints.size(), 1);
    EXPECT_EQ(recentEntry(QString(), s("W"), s("00447911")), s(";W-00447911"));
}

TEST(SendRules, MassJobFillsTheEntryAndFixesTheNumber) {
    struct Case {
        MassEntry entry;
        const char* text;
        const char* recipient;
        const char* filled;
    } cases[] = {
        {{s("Frau Öz"), s("01701234567"), s("Praxis"), s("Montag")},
         "Hallo %name%, %frei1% am %frei2%.",
         "00491701234567",
         "Hallo Frau Öz, Praxis am Montag."},
        {{s("A"), s("00436641234567"), {}, {}}, "%name%%name% %frei1%|%frei2%", "00436641234567", "AA |"},
        // Case matters; the name goes in first, so a name holding "%frei1%" gets free text 1.
        {{s("%frei1%"), s("0049170"), s("x"), {}}, "%NAME% %name%", "0049170", "%NAME% x"},
    };
    for (const Case& c : cases) {
        const MassJob job = massJob(c.entry, s(c.text));
        EXPECT_EQ(job.recipient, s(c.recipient));
        EXPECT_EQ(job.text, s(c.filled)) << c.text;
        EXPECT_EQ(job.name, c.entry.name);
    }
}
