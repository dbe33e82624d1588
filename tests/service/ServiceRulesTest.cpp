// The service's rules on their own: reading form bytes, charging, judging a
// schedule, the ".msms" line format, escaping, the command line.

#include "Charging.h"
#include "CommandLine.h"
#include "FormData.h"
#include "Html.h"
#include "MsmsLine.h"
#include "Schedule.h"
#include "SendRequest.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(FormDataParse, DecodesLikeTheClientEncodes) {
    std::string error;
    const auto f = FormData::parse("text=50%25%20%26%20more%20%2B%20less&name=Team%20S\xFC"
                                   "d&eq=a=b&plus=a+b&euro=%80&&",
                                   &error);
    ASSERT_TRUE(f) << error;
    EXPECT_EQ(f->value("text"), "50% & more + less");
    EXPECT_EQ(f->value("name"), "Team Süd"); // one raw Windows-1252 byte
    EXPECT_EQ(f->value("eq"), "a=b");        // split at the first "=" only
    EXPECT_EQ(f->value("plus"), "a b");      // a raw "+" is a blank
    EXPECT_EQ(f->value("euro"), "€");
    EXPECT_EQ(f->fields().size(), 5u);
    EXPECT_FALSE(f->value("missing"));

    const auto lines = FormData::parse("t=a\r\nb%0D%0Ac\t", &error);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->value("t"), "a\r\nb\r\nc\t");
}

TEST(FormDataParse, RefusesWhatTheClientNeverSends) {
    for (const char* raw : {"a", "=x", "a=%", "a=%4", "a=%G0", "a=%zz", "a=%81", "a=%8D", "a=%8F", "a=%90",
                            "a=%9D", "a=\x81", "a=%00", "a=%1B", "a=%7F", "%zz=1"}) {
        std::string error;
        EXPECT_FALSE(FormData::parse(raw, &error)) << raw;
        EXPECT_FALSE(error.empty()) << raw;
    }
    EXPECT_EQ(FormData::queryOf("/sms/count.php?email=a@b?c"), "email=a@b?c");
    EXPECT_EQ(FormData::queryOf("/news2.htm"), "");
}

TEST(Windows1252Text, RoundTripsEveryCharacterItHolds) {
    std::string all;
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            all += char(b);
    }
    const auto utf8 = win1252::toUtf8(all);
    ASSERT_TRUE(utf8);
    EXPECT_EQ(win1252::fromUtf8(*utf8), all);
    EXPECT_EQ(win1252::fromUtf8("€ – ‚ Ÿ"), "\x80 \x96 \x82 \x9F");
    EXPECT_EQ(win1252::fromUtf8("Ω 😀"), "? ?"); // no code for them
}

TEST(Charging, CountsLikeTheClient) {
    EXPECT_EQ(charging::countedSize(""), 0);
    EXPECT_EQ(charging::countedSize("Grüße"), 5);
    EXPECT_EQ(charging::countedSize("5 € \"x\""), 10); // 7 characters, 3 of them twice
}

TEST(Charging, PartsAndCosts) {
    using charging::Charge;
    using charging::charge;
    struct Case {
        int counted;
        bool longSms, senderId, reply, push;
        int parts, cost;
        Charge::Problem problem;
    };
    const Case cases[] = {
        {1, false, false, false, false, 1, 10, Charge::None},
        {160, false, false, false, false, 1, 10, Charge::None},
        {160, false, true, false, false, 1, 14, Charge::None},
        {160, false, false, true, false, 1, 11, Charge::None},
        {160, false, true, true, false, 1, 15, Charge::None},
        {161, false, false, false, false, 0, 0, Charge::NeedsLong},
        {161, true, true, false, false, 2, 28, Charge::None},
        {306, true, true, false, false, 2, 28, Charge::None},
        {307, true, true, false, false, 3, 42, Charge::None},
        {1500, true, true, false, false, 10, 140, Charge::None},
        {1501, true, true, false, false, 0, 0, Charge::TooLong},
        {0, false, false, false, false, 0, 0, Charge::Empty},
        {400, true, true, true, true, 3, 5, Charge::None}, // push: flat price
    };
    for (const Case& c : cases) {
        const Charge got = charge({c.counted, c.longSms, c.senderId, c.reply, c.push});
        EXPECT_EQ(got.problem, c.problem) << c.counted;
        EXPECT_EQ(got.parts, c.parts) << c.counted;
        EXPECT_EQ(got.cost, c.cost) << c.counted;
    }
}

SendRequest schedule(const char* term, const char* cron, const char* end) {
    SendRequest r;
    r.scheduled = true;
    r.term = term;
    r.cronjobstring = cron;
    r.enddate = end;
    return r;
}

TEST(ScheduleCheck, AcceptsWhatTheRecurrenceEditorBuilds) {
    for (const SendRequest& r :
         {schedule("2015-12-01 14:05:00 ", "0", "0"), schedule("2015-12-01 08:30:00", "30 08 * * *", "3"),
          schedule("2015-12-01 07:05:00", "05 07 * * 1,3,5", "2016-01-01 07:05:00"),
          schedule("2015-12-01 10:30:00", "30 10 22-28 11 4", "12")})
        EXPECT_EQ(scheduleProblem(r), "") << r.cronjobstring;
}

TEST(ScheduleCheck, RefusesBrokenSchedules) {
    for (const SendRequest& r :
         {schedule("2015-12-01", "0", "0"), schedule("2015-13-01 08:30:00", "0", "0"),
          schedule("2015-12-01 24:00:00", "0", "0"), schedule("2015-12-01 08:30:00", "0", "3"),
          schedule("2015-12-01 09:00:00", "00 09  * 2", "3"), // empty field
          schedule("2015-12-01 09:00:00", "00 09 * *", "3"),
          schedule("2015-12-01 09:00:00", "00 09 * * x", "3"),
          schedule("2015-12-01 09:00:00", "00 09 * * *", "0"),
          schedule("2015-12-01 09:00:00", "00 09 * * *", "bald")})
        EXPECT_NE(scheduleProblem(r), "") << r.term << '|' << r.cronjobstring << '|' << r.enddate;
}

TEST(SendRequestFields, NeedsEveryFieldOnceAndFlagsAsTheClientWritesThem) {
    std::string body;
    for (const SendField& f : kSendFields) // every value "false" is valid for flags and free texts alike
        body += std::string(body.empty() ? "" : "&") + f.name + "=" +
                (std::string(f.name) == "skippush" ? "1" : "false");
    std::string error;
    const auto form = FormData::parse(body, &error);
    ASSERT_TRUE(form);
    EXPECT_TRUE(SendRequest::fromForm(*form, true, &error)) << error;
    EXPECT_TRUE(SendRequest::fromForm(*form, false, &error)) << error; // schedule fields ignored

    auto without = FormData::parse(body.substr(0, body.find("&term=")) + "&long=false", &error);
    EXPECT_TRUE(SendRequest::fromForm(*without, false, &error));
    EXPECT_FALSE(SendRequest::fromForm(*without, true, &error));
    EXPECT_NE(error.find("term"), std::string::npos);

    auto twice = FormData::parse(body + "&text=x", &error);
    EXPECT_FALSE(SendRequest::fromForm(*twice, false, &error));
    auto badFlag = FormData::parse(body + "x", &error); // long=falsex
    EXPECT_FALSE(SendRequest::fromForm(*badFlag, false, &error));
}

TEST(MsmsLines, ReadAndWriteLikeTheClient) {
    std::string error;
    EXPECT_EQ(msms::toLine({"A", "0049170000", "", ""}), "A;0049170000;;;");
    const auto b = msms::fromLine("B;0043660000;x;y;\r", &error);
    ASSERT_TRUE(b);
    EXPECT_EQ(msms::toLine(*b), "B;0043660000;x;y;");
    const auto c = msms::fromLine("C;0049170000;z", &error);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->frei1, "");
    EXPECT_FALSE(msms::fromLine("abc", &error));
    EXPECT_TRUE(error.empty()); // skipped, not an error
    EXPECT_FALSE(msms::fromLine("abcd", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(msms::fromLine("Name;;x;y;", &error));

    const auto all = msms::fromText("A;1;;;\n\nabc\nB;2;x;y;\n", &error);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), 2u);
    EXPECT_FALSE(msms::fromText("A;1;;;\nabcd\n", &error));
}

TEST(HtmlPages, EscapesValuesAndBuildsLinks) {
    EXPECT_EQ(html::escape("<a href='x'>&\"</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;&lt;/a&gt;");
    EXPECT_EQ(html::escape("Grüße €"), "Grüße €");
    EXPECT_EQ(html::escape("Ω"), "&#937;"); // survives the Windows-1252 page
    EXPECT_EQ(html::contactHref("Praxis Nord", "00491701234567"), "telefon://Praxis%20Nord@00491701234567");
    EXPECT_EQ(html::backColor("D4D0C8"), "#D4D0C8");
    EXPECT_EQ(html::backColor("red"), "");
    EXPECT_EQ(html::backColor("12345\""), "");
    const std::string page = html::render({"T<", "#FFFFFF", "<p>x</p>"});
    EXPECT_NE(page.find("<meta charset=\"windows-1252\">"), std::string::npos);
    EXPECT_NE(page.find("<title>T&lt;</title>"), std::string::npos);
}

TEST(ServiceCommandLine, ReadsTheDocumentedOptions) {
    std::string error;
    const char* argv[] = {"velvox-service",
                          "--listen",
                          "127.0.0.1:0",
                          "--db",
                          "x.db",
                          "--seed",
                          "--latest-version",
                          "3.1.0",
                          "--info-version=-1",
                          "--set-credits",
                          "a@b.example=12",
                          "--tls-cert=c",
                          "--tls-key",
                          "k"};
    const auto cl = parseCommandLine(int(std::size(argv)), argv, &error);
    ASSERT_TRUE(cl) << error;
    EXPECT_EQ(cl->host, "127.0.0.1");
    EXPECT_EQ(cl->port, 0);
    EXPECT_TRUE(cl->seed);
    EXPECT_EQ(cl->latestVersion, "3.1.0");
    EXPECT_EQ(cl->infoVersion, -1);
    ASSERT_EQ(cl->setCredits.size(), 1u);
    EXPECT_EQ(cl->setCredits[0].first, "a@b.example");
    EXPECT_EQ(cl->setCredits[0].second, 12);
    EXPECT_EQ(cl->baseUrl(8443), "https://127.0.0.1:8443");

    const char* oem[] = {"velvox-service", "--listen", "[::1]:8080", "--print-oem"};
    const auto o = parseCommandLine(4, oem, &error);
    ASSERT_TRUE(o) << error; // no database needed to print the profile
    EXPECT_EQ(o->baseUrl(8080), "http://[::1]:8080");
}

TEST(ServiceCommandLine, RefusesNonsense) {
    const std::vector<std::vector<const char*>> bad = {
        {"s", "--db", "x"},
        {"s", "--listen", "127.0.0.1"},
        {"s", "--listen", "127.0.0.1:70000", "--db", "x"},
        {"s", "--listen", "127.0.0.1:0"},
        {"s", "--listen", "127.0.0.1:0", "--db", "x", "--tls-cert", "c"},
        {"s", "--listen", "127.0.0.1:0", "--db", "x", "--latest-version", "3.0"},
        {"s", "--listen", "127.0.0.1:0", "--db", "x", "--info-version", "40000"},
        {"s", "--listen", "127.0.0.1:0", "--db", "x", "--set-credits", "a@b=-5"},
        {"s", "--listen", "127.0.0.1:0", "--db"},
        {"s", "--listen", "127.0.0.1:0", "--db", "x", "--seed=1"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(parseCommandLine(int(args.size()), args.data(), &error)) << args.back();
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
