#include "ScriptedPrompts.h"

#include "messaging/GatewayRequest.h"
#include "messaging/mUrlEncode.h"

#include <gtest/gtest.h>

using namespace GatewayRequest;
using mUrlEncode::encodeFormText;
using mUrlEncode::encodeQueryValue;
using mUrlEncode::urlEncode;

namespace {

const QChar kEuro(0x20AC);

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString rep(QChar c, int n) {
    return QString(n, c);
}

Fields sample() {
    Fields f;
    f.email = s("anna.berg@example.de");
    f.password = s("geheim");
    f.recipient = s("00491701234567");
    f.recipientName = s("Team Süd");
    f.version = s("3.0.99");
    f.text = s("50% & more + less");
    f.referer = s("Velvox");
    return f;
}

// The field names of a body, in order.
QStringList fieldNames(const QString& body) {
    QStringList names;
    for (const QString& field : body.split(QLatin1Char('&')))
        names.append(field.section(QLatin1Char('='), 0, 0));
    return names;
}

QString field(const QString& body, const char* name) {
    for (const QString& f : body.split(QLatin1Char('&'))) {
        if (f.section(QLatin1Char('='), 0, 0) == QLatin1String(name))
            return f.section(QLatin1Char('='), 1, -1);
    }
    return s("<missing>");
}

} // namespace

TEST(FormEncoding, FormTextEscapesPercentAmpersandPlusAndBlank) {
    EXPECT_EQ(encodeFormText(s("50% & more + less")), s("50%25%20%26%20more%20%2B%20less"));
    // "%" goes first, so an escape typed by the user survives as text.
    EXPECT_EQ(encodeFormText(s("%26")), s("%2526"));
    // Nothing else changes.
    const QString untouched = s("a=b#c?d/e\r\nä€\"'");
    EXPECT_EQ(encodeFormText(untouched), untouched);
    EXPECT_EQ(encodeQueryValue(s("a#b c&d")), s("a%23b%20c%26d"));
    EXPECT_EQ(encodeQueryValue(s("demo@velvox.example")), s("demo@velvox.example"));
}

TEST(FormEncoding, UrlEncodeUsesWindows1252Codes) {
    EXPECT_EQ(urlEncode(s("\n"), false), s("%0A"));
    EXPECT_EQ(urlEncode(s("ä"), false), s("%E4"));
    EXPECT_EQ(urlEncode(s("€"), false), s("%80"));
    EXPECT_EQ(urlEncode(s("Az09"), false), s("Az09"));
    EXPECT_EQ(urlEncode(s("a b"), true), s("a+b"));
    EXPECT_EQ(urlEncode(s("a b"), false), s("a%20b"));
    EXPECT_EQ(urlEncode(s("-._~+@"), true), s("%2D%2E%5F%7E%2B%40"));
    EXPECT_EQ(urlEncode(QString(), true), QString());
    // Not in Windows-1252: sent as "?".
    EXPECT_EQ(urlEncode(s("\u2713"), false), s("%3F"));
}

TEST(GatewayRequest, PartCutLengthCountsDoubledCharacters) {
    EXPECT_EQ(partCutLength(rep(QLatin1Char('a'), 200)), 160);
    EXPECT_EQ(partCutLength(rep(kEuro, 100)), 80);
    EXPECT_EQ(partCutLength(rep(QLatin1Char('a'), 159) + kEuro + QLatin1Char('b')), 159);
    EXPECT_EQ(partCutLength(rep(QLatin1Char('"'), 90)), 80);
}

TEST(GatewayRequest, SplitIntoPartsOfAtMost160Counted) {
    QStringList parts = splitForSending(rep(QLatin1Char('a'), 161), false, false);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts.at(0).size(), 160);
    EXPECT_EQ(parts.at(1).size(), 1);

    parts = splitForSending(rep(kEuro, 100), false, false);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts.at(0), rep(kEuro, 80));
    EXPECT_EQ(parts.at(1), rep(kEuro, 20));

    // Exactly 160 counted: one part, no empty tail.
    EXPECT_EQ(splitForSending(rep(kEuro, 80), false, false).size(), 1);
    parts = splitForSending(rep(QLatin1Char('a'), 320), false, false);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts.at(1).size(), 160);

    // The cut falls at a character, not a word; a "€" that no longer fits moves on.
    const QString text = rep(QLatin1Char('a'), 159) + kEuro + QLatin1Char('b');
    parts = splitForSending(text, false, false);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts.at(1), QString(kEuro) + QLatin1Char('b'));
    EXPECT_EQ(parts.join(QString()), text);

    // An empty text is still one request.
    EXPECT_EQ(splitForSending(QString(), false, false), QStringList{QString()});
}

TEST(GatewayRequest, SenderNameWithLongSmsSendsOneRequest) {
    const QString text = rep(QLatin1Char('a'), 400);
    EXPECT_EQ(splitForSending(text, true, true), QStringList{text});
    // Only one of the two settings: split as usual.
    EXPECT_EQ(splitForSending(text, true, false).size(), 3);
    EXPECT_EQ(splitForSending(text, false, true).size(), 3);

    EXPECT_TRUE(isLongRequest(text, true, true));
    EXPECT_FALSE(isLongRequest(rep(kEuro, 80), true, true)); // exactly 160 counted
    EXPECT_TRUE(isLongRequest(rep(kEuro, 81), true, true));
    EXPECT_FALSE(isLongRequest(text, true, false));
    EXPECT_FALSE(isLongRequest(text, false, true));
}

TEST(GatewayRequest, BodyOfTheWorkedExample) {
    const QByteArray expected =
        "email=anna.berg@example.de&kennwort=geheim&firma=%20&empfaenger=00491701234567"
        "&empfaengername=Team%20S\xFC"
        "d&private=false&public=false&skippush=1&version=3.0.99"
        "&text=50%25%20%26%20more%20%2B%20less&absenderkennung=false&absender="
        "&statusmeldung=false&antwort=false&einlieferung=false&referer=Velvox&long=false";
    EXPECT_EQ(buildBody(sample()), expected);
    EXPECT_EQ(contentTypeHeader(), s("Content-Type: application/x-www-form-urlencoded"));
}

TEST(GatewayRequest, FieldOrderWithAndWithoutSchedule) {
    const QStringList plain = {
        s("email"),           s("kennwort"), s("firma"),         s("empfaenger"), s("empfaengername"),
        s("private"),         s("public"),   s("skippush"),      s("version"),    s("text"),
        s("absenderkennung"), s("absender"), s("statusmeldung"), s("antwort"),    s("einlieferung"),
        s("referer"),         s("long")};
    Fields f = sample();
    EXPECT_EQ(fieldNames(buildBodyText(f)), plain);

    f.schedule = Schedule{s("2030-01-01 08:00:00 "), s("0 8 * * 1"), s("5")};
    QStringList scheduled = plain;
    scheduled.insert(16, s("enddate"));
    scheduled.insert(16, s("cronjobstring"));
    scheduled.insert(16, s("term"));
    const QString body = buildBodyText(f);
    EXPECT_EQ(fieldNames(body), scheduled);
    EXPECT_TRUE(
        body.endsWith(s("&referer=Velvox&term=2030-01-01%2008:00:00%20&cronjobstring=0%208%20*%20*%201"
                        "&enddate=5&long=false")))
        << body.toStdString();
}

TEST(GatewayRequest, OptionFields) {
    Fields f = sample();
    f.pushEnabled = true;
    f.privateBook = true;
    f.publicBook = true;
    f.isAbsenderkennung = true;
    f.absender = s("Praxis");
    f.statusbericht = true;
    f.antwort = true;
    f.einlieferung = true;
    QString body = buildBodyText(f);
    EXPECT_EQ(field(body, "skippush"), s("0"));
    EXPECT_EQ(field(body, "private"), s("true"));
    EXPECT_EQ(field(body, "public"), s("true"));
    EXPECT_EQ(field(body, "absenderkennung"), s("true"));
    EXPECT_EQ(field(body, "absender"), s("Praxis"));
    EXPECT_EQ(field(body, "statusmeldung"), s("true"));
    EXPECT_EQ(field(body, "antwort"), s("true"));
    EXPECT_EQ(field(body, "einlieferung"), s("true"));

    // Mass mode never enters recipients into the phone books.
    f.massMode = true;
    body = buildBodyText(f);
    EXPECT_EQ(field(body, "private"), s("false"));
    EXPECT_EQ(field(body, "public"), s("false"));

    // The sender name travels even when it is switched off.
    f.isAbsenderkennung = false;
    EXPECT_EQ(field(buildBodyText(f), "absender"), s("Praxis"));
}

TEST(GatewayRequest, LongFlagFollowsThePartsCountedSize) {
    Fields f = sample();
    f.isAbsenderkennung = true;
    f.isLongSmsEnabled = true;
    f.text = rep(kEuro, 80);
    EXPECT_TRUE(buildBodyText(f).endsWith(s("&long=false")));
    f.text = rep(QLatin1Char('a'), 400);
    EXPECT_TRUE(buildBodyText(f).endsWith(s("&long=true")));
    f.isLongSmsEnabled = false;
    EXPECT_TRUE(buildBodyText(f).endsWith(s("&long=false")));
}

TEST(GatewayRequest, InsertedValuesCannotBreakTheForm) {
    Fields f = sample();
    f.email = s("a+b@example.de");
    f.password = s("a&b+c%d");
    f.recipientName = s("M&M 100%");
    f.absender = s("A+B");
    f.referer = s("Velvox & Co");
    f.schedule = Schedule{s("2030-01-01 08:00:00"), s("0 8 * * 1"), s("1&x=2")};
    const QString body = buildBodyText(f);
    EXPECT_EQ(field(body, "email"), s("a%2Bb@example.de"));
    EXPECT_EQ(field(body, "kennwort"), s("a%26b%2Bc%25d"));
    EXPECT_EQ(field(body, "empfaengername"), s("M%26M%20100%25"));
    EXPECT_EQ(field(body, "absender"), s("A%2BB"));
    EXPECT_EQ(field(body, "referer"), s("Velvox%20%26%20Co"));
    EXPECT_EQ(field(body, "enddate"), s("1%26x=2"));
    EXPECT_EQ(fieldNames(body).size(), 20);
    EXPECT_FALSE(body.contains(QLatin1Char(' ')));
}

TEST(GatewayRequest, BodyBytesAreWindows1252) {
    Fields f = sample();
    f.text = s("Grüße für 5 € – ✓");
    const QByteArray body = buildBody(f);
    EXPECT_TRUE(body.contains("&text=Gr\xFC\xDF"
                              "e%20f\xFCr%205%20\x80%20\x96%20?&"));
}

TEST(GatewayRequest, MissingSenderNameIsAskedPerPart) {
    ScriptedPrompts prompts;
    EXPECT_TRUE(confirmMissingSender(false, QString()));
    EXPECT_TRUE(confirmMissingSender(true, s("Praxis")));
    EXPECT_TRUE(prompts.messages().isEmpty());

    prompts.queueAnswer(Prompts::Answer::Yes);
    EXPECT_TRUE(confirmMissingSender(true, QString()));
    prompts.queueAnswer(Prompts::Answer::No);
    EXPECT_FALSE(confirmMissingSender(true, QString()));
    ASSERT_EQ(prompts.messages().size(), 2);
    const Prompts::Message& m = prompts.messages().first();
    EXPECT_EQ(m.icon, Prompts::Icon::Question);
    EXPECT_EQ(m.buttons, Prompts::Buttons::YesNo);
    EXPECT_EQ(m.title, s("Kein Absendername vorhanden"));
    EXPECT_EQ(m.text,
              s("Sie haben keinen Absender eingegeben, soll die Nachricht\r\ndennoch versendet werden?"));
}
