#include "messaging/SendOutcome.h"

#include <gtest/gtest.h>

using SendOutcome::Ending;
using SendOutcome::Kind;

namespace {
const QString kAccepted = QStringLiteral("wurde erfolgreich an das Gateway übermittelt.");
}

TEST(SendOutcome, EveryEndingHasOneOutcome) {
    struct Case {
        const char* name;
        Ending ending;
        Kind kind;
        const char* logged; // the start of the line logged for it
    };
    const Case cases[] = {
        {"accepted", {true, kAccepted, 200, false}, Kind::Confirmed, "wurde erfolgreich"},
        {"refusal text", {true, QStringLiteral("Guthaben reicht nicht"), 200, false}, Kind::Refused, "Guthaben"},
        {"error status", {false, {}, 503, false}, Kind::Refused,
         "Die SMS an 0049170 wurde nicht versendet: das SMS Gateway hat mit einem Fehler geantwortet (Status 503)."},
        {"time-out", {false, {}, 0, false}, Kind::NoAnswer,
         "Die SMS an 0049170 wurde vielleicht versendet: das SMS Gateway hat nicht geantwortet (Status unbekannt)."},
        // A status wins over the transport: the gateway did answer.
        {"status and refused flag", {false, {}, 500, true}, Kind::Refused, "Die SMS an 0049170 wurde nicht"},
        {"connection refused", {false, {}, 0, true}, Kind::NotSent, "Die SMS an 0049170 wurde NICHT versendet"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SendOutcome::classify(c.ending), c.kind);
        const QStringList lines = SendOutcome::massLogLines(c.ending, QStringLiteral("0049170"), QStringLiteral("T"));
        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("T - ") + QString::fromUtf8(c.logged))) << qPrintable(lines[0]);
        EXPECT_TRUE(lines[0].endsWith(QStringLiteral("\r\n")));
    }
}

TEST(SendOutcome, EndLineCountsEachKindWithGermanGrouping) {
    SendOutcome::RunCounts counts;
    for (int i = 0; i < 9998; ++i)
        counts.add(Kind::Confirmed);
    counts.add(Kind::Refused);
    counts.add(Kind::NoAnswer);
    EXPECT_EQ(counts.total(), 10000);
    EXPECT_EQ(counts.endLine(), QStringLiteral("9.998 übermittelt, 1 abgelehnt, 1 ohne Antwort"));
    counts.add(Kind::NotSent);
    EXPECT_EQ(counts.endLine(), QStringLiteral("9.998 übermittelt, 1 abgelehnt, 1 ohne Antwort, 1 nicht versendet"));
}
