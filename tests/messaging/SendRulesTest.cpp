#include "messaging/SendRules.h"

#include <gtest/gtest.h>

using namespace SendRules;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

FormInput input(bool mass, bool prefix, const char* number, const char* text) {
    FormInput in;
    in.massMode = mass;
    in.prefixSelected = prefix;
    in.number = s(number);
    in.text = s(text);
    return in;
}

} // namespace

TEST(SendRules, EmptyNumberAndTextAreBothListedAndMarked) {
    const FormCheck c = validateSendForm(input(false, true, "", ""));
    EXPECT_FALSE(c.ok);
    EXPECT_FALSE(c.markPrefix);
    EXPECT_TRUE(c.markNumber);
    EXPECT_TRUE(c.markText);
    EXPECT_EQ(c.complaints, (QStringList{s("  - Bitte geben Sie eine Rufnummer an."),
                                         s("  - Bitte geben Sie eine Nachricht ein.")}));
    EXPECT_EQ(c.boxText, s("Bitte korrigieren Sie die rot markierten Felder.\r\n\r\n"
                           "  - Bitte geben Sie eine Rufnummer an.\r\n"
                           "  - Bitte geben Sie eine Nachricht ein.\r\n"));
    EXPECT_EQ(correctFieldsText(), s("Bitte korrigieren Sie die rot markierten Felder."));
}

TEST(SendRules, ComplaintsInFieldOrder) {
    const FormCheck c = validateSendForm(input(false, false, "0170-123", ""));
    EXPECT_TRUE(c.markPrefix);
    EXPECT_TRUE(c.markNumber);
    EXPECT_TRUE(c.markText);
    EXPECT_EQ(c.complaints, (QStringList{s("  - Bitte wählen Sie eine Vorwahl aus."),
                                         s("  - Die Rufnummer darf nur Ziffern enthalten."),
                                         s("  - Bitte geben Sie eine Nachricht ein.")}));
}

TEST(SendRules, MassModeChecksTheTextOnly) {
    FormCheck c = validateSendForm(input(true, false, "", "Hallo"));
    EXPECT_TRUE(c.ok);
    EXPECT_TRUE(c.complaints.isEmpty());
    EXPECT_TRUE(c.boxText.isEmpty());
    c = validateSendForm(input(true, false, "", ""));
    EXPECT_FALSE(c.ok);
    EXPECT_FALSE(c.markPrefix);
    EXPECT_FALSE(c.markNumber);
    EXPECT_EQ(c.complaints, QStringList{noMessageComplaint()});
}

TEST(SendRules, CompleteSingleFormPasses) {
    const FormCheck c = validateSendForm(input(false, true, "1234567", "Hallo"));
    EXPECT_TRUE(c.ok);
    EXPECT_FALSE(c.markPrefix || c.markNumber || c.markText);
}

TEST(SendRules, RecentEntryAndMassNumbers) {
    EXPECT_EQ(recentEntry(s("Team Süd"), s("G170"), s("1234567")), s("Team Süd;G170-1234567"));
    EXPECT_EQ(recentEntry(QString(), s("W"), s("00447911")), s(";W-00447911"));
    EXPECT_EQ(massRecipient(s("01701234567")), s("00491701234567"));
    EXPECT_EQ(massRecipient(s("00436641234567")), s("00436641234567"));
    EXPECT_EQ(
        massConfirmText(4),
        s("Achtung! Sie versenden eine MassenSMS!\r\nWollen Sie die 4 Nachrichten wirklich versenden?"));
    EXPECT_EQ(massProgressText(2, 5), s("Es wurden bereits 2 von 5 SMS versendet."));
}
