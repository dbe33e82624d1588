#include "ScriptedPrompts.h"
#include "Utf8.h"

#include "messaging/GatewayRequest.h"
#include "platform/mUrlEncode.h"

#include <gtest/gtest.h>

using namespace GatewayRequest;

const QChar kEuro(0x20AC);

TEST(FormEncoding, FormTextQueryValueAndUrlEncode) {
    using namespace mUrlEncode;
    const std::pair<QString, QString> cases[] = {
        {encodeFormText(s("50% & more + less")), s("50%25%20%26%20more%20%2B%20less")},
        {encodeFormText(s("%26")), s("%2526")}, // "%" first: a typed escape stays text
        {encodeFormText(s("a=b#c?\r\nä€\"'")), s("a=b#c?\r\nä€\"'")},
        {encodeQueryValue(s("a#b c&d")), s("a%23b%20c%26d")},
        {encodeQueryValue(s("jürgen.müßig€@büro.example")), s("j%FCrgen.m%FC%DFig%80@b%FCro.example")},
        {encodeQueryValue(s("x\u2713y")), s("x%3Fy")}, // not in Windows-1252
        {urlEncode(s("\n"), false), s("%0A")},
        {urlEncode(s("ä€"), false), s("%E4%80")},
        {urlEncode(s("Az09 b"), true), s("Az09+b")},
        {urlEncode(s("a b"), false), s("a%20b")},
        {urlEncode(s("-._~+@"), true), s("%2D%2E%5F%7E%2B%40")},
        {urlEncode(s("\u2713"), false), s("%3F")}, // not in Windows-1252
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);
}

TEST(GatewayRequest, SplitAndLongFlag) {
    // A "€" that no longer fits moves on; exactly 160 counted leaves no empty tail.
    const QString text = QString(159, QLatin1Char('a')) + kEuro + QLatin1Char('b');
    EXPECT_EQ(splitForSending(text, false, false), (QStringList{text.left(159), text.mid(159)}));
    EXPECT_EQ(splitForSending(QString(80, kEuro), false, false).size(), 1);
    EXPECT_EQ(splitForSending(QString(), false, false), QStringList{QString()});

    // Only sender name and long SMS together make one long request.
    const QString long400(400, QLatin1Char('a'));
    EXPECT_EQ(splitForSending(long400, true, true), QStringList{long400});
    EXPECT_EQ(splitForSending(long400, true, false).size(), 3);
    EXPECT_EQ(splitForSending(long400, false, true).size(), 3);
    EXPECT_TRUE(isLongRequest(QString(81, kEuro), true, true));
    EXPECT_FALSE(isLongRequest(QString(80, kEuro), true, true));
    EXPECT_FALSE(isLongRequest(long400, true, false));
    EXPECT_FALSE(isLongRequest(long400, false, true));
}

TEST(GatewayRequest, OptionFieldsAndInsertedValues) {
    Fields f;
    f.email = s("a+b@example.de");
    f.recipientName = s("M&M 100%");
    f.privateBook = f.publicBook = f.pushEnabled = f.statusbericht = f.antwort = f.einlieferung = true;
    f.isAbsenderkennung = true;
    f.absender = s("A+B");
    f.text = s("5 € – ✓");
    f.referer = s("Velvox & Co");
    f.schedule = Schedule{s("2030-01-01 08:00:00"), s("0 8 * * 1"), s("1&x=2")};
    QByteArray body = buildBody(f);
    EXPECT_TRUE(body.startsWith("email=a%2Bb@example.de&")) << body.toStdString();
    for (const char* piece :
         {"&empfaengername=M%26M%20100%25&private=true&public=true&skippush=0&",
          "&text=5%20\x80%20\x96%20?&absenderkennung=true&absender=A%2BB&statusmeldung=true&antwort=true"
          "&einlieferung=true&referer=Velvox%20%26%20Co&term=",
          "&enddate=1%26x=2&long=false"})
        EXPECT_TRUE(body.contains(piece)) << piece << "\n" << body.toStdString();

    // Mass mode never fills the phone books; the sender name travels even
    // when it is switched off.
    f.massMode = true;
    f.isAbsenderkennung = false;
    body = buildBody(f);
    EXPECT_TRUE(body.contains("&private=false&public=false&")) << body.toStdString();
    EXPECT_TRUE(body.contains("&absenderkennung=false&absender=A%2BB&")) << body.toStdString();
}

TEST(GatewayRequest, MissingSenderNameIsAskedPerPart) {
    ScriptedPrompts prompts;
    EXPECT_TRUE(confirmMissingSender(false, QString()));
    EXPECT_TRUE(confirmMissingSender(true, s("Praxis")));
    prompts.queueAnswer(Prompts::Answer::Yes);
    EXPECT_TRUE(confirmMissingSender(true, QString()));
    prompts.queueAnswer(Prompts::Answer::No);
    EXPECT_FALSE(confirmMissingSender(true, QString()));
    ASSERT_EQ(prompts.messages().size(), 2); // asked only when switched on and empty
    EXPECT_EQ(prompts.messages().first().title, s("Kein Absendername vorhanden"));
}
