#include "history/ResumeOffer.h"

#include "messaging/GatewayRequest.h"

#include <QLocale>

namespace ResumeOffer {

namespace {
QString count(qint64 n) {
    return QLocale(QLocale::German, QLocale::Germany).toString(n);
}
constexpr int kListedNumbers = 5;
} // namespace

QString questionText(const SendJournal::OpenRun& run) {
    const qint64 total = run.entries.size();
    QString text = QStringLiteral("Der Massenversand vom %1 wurde unterbrochen: %2 von %3 Nachrichten wurden übergeben. "
                                  "Möchten Sie die übrigen %4 Nachrichten jetzt versenden?")
                       .arg(run.started.toString(QStringLiteral("dd.MM.yyyy HH:mm")), count(run.handedOver),
                            count(total), count(run.remaining.size()));
    if (!run.noAnswer.isEmpty()) {
        QStringList numbers;
        for (int place : run.noAnswer.mid(0, kListedNumbers))
            numbers.append(run.entries.value(place).number);
        if (run.noAnswer.size() > kListedNumbers)
            numbers.append(QStringLiteral("…"));
        text += QStringLiteral("\r\n\r\nFür %1 der übergebenen Nachrichten kam keine Antwort (%2). Ob sie angekommen "
                               "sind, ist nicht bekannt: Sie werden nicht noch einmal gesendet. Im Verlauf können Sie "
                               "sie ausdrücklich erneut senden.")
                    .arg(count(run.noAnswer.size()), numbers.join(QStringLiteral(", ")));
    }
    return text;
}

QStringList captions() {
    return {QStringLiteral("Ja"), QStringLiteral("Verwerfen"), QStringLiteral("Nein")};
}

qint64 smsCount(const QList<SendRules::MassEntry>& entries, const QList<int>& places, const QString& text,
                bool isAbsenderkennung, bool isLongSmsEnabled) {
    qint64 n = 0;
    for (int place : places) {
        if (place < 0 || place >= entries.size())
            continue;
        const SendRules::MassJob job = SendRules::massJob(entries.at(place), text);
        n += GatewayRequest::splitForSending(job.text, isAbsenderkennung, isLongSmsEnabled).size();
    }
    return n;
}

QString takenElsewhereText() {
    return QStringLiteral("Dieser Massenversand wird bereits in einem anderen Fenster fortgesetzt.");
}

} // namespace ResumeOffer
