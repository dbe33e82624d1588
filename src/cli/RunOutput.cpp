#include "cli/RunOutput.h"

#include <QJsonDocument>
#include <QJsonObject>

RunOutput::RunOutput(Style style, FILE* out, FILE* err) : m_style(style), m_out(out), m_err(err) {}

void RunOutput::line(FILE* f, const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
    std::fflush(f);
}

void RunOutput::json(const QJsonObject& object) {
    line(m_out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

void RunOutput::message(const QString& text) {
    clearBar();
    line(m_err, text);
    drawBar();
}

QString RunOutput::outcomeName(SendOutcome::Kind kind) {
    switch (kind) {
    case SendOutcome::Kind::Confirmed:
        return QStringLiteral("confirmed");
    case SendOutcome::Kind::Refused:
        return QStringLiteral("refused");
    case SendOutcome::Kind::NotSent:
        return QStringLiteral("not_sent");
    case SendOutcome::Kind::NoAnswer:
        return QStringLiteral("no_answer");
    }
    return {};
}

QString RunOutput::outcomeText(SendOutcome::Kind kind) {
    switch (kind) {
    case SendOutcome::Kind::Confirmed:
        return QStringLiteral("übermittelt");
    case SendOutcome::Kind::Refused:
        return QStringLiteral("abgelehnt");
    case SendOutcome::Kind::NotSent:
        return QStringLiteral("nicht versendet");
    case SendOutcome::Kind::NoAnswer:
        return QStringLiteral("ohne Antwort (Status unbekannt)");
    }
    return {};
}

void RunOutput::begin(qint64 expected) {
    m_expected = expected;
    m_counts = {};
    m_clock.start();
    drawBar();
}

void RunOutput::outcome(const QString& recipient, SendOutcome::Kind kind, const QString& reply) {
    m_counts.add(kind);
    // The gateway's reply in one line: it may hold line breaks of its own.
    const QString oneLine = QString(reply).replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
    if (m_style.json) {
        json({{QStringLiteral("type"), QStringLiteral("request")},
              {QStringLiteral("recipient"), recipient},
              {QStringLiteral("outcome"), outcomeName(kind)},
              {QStringLiteral("reply"), oneLine}});
        return;
    }
    QString text = recipient + QStringLiteral(": ") + outcomeText(kind);
    if (!oneLine.isEmpty())
        text += QStringLiteral(" – ") + oneLine;
    if (m_style.progressBar) {
        // On a terminal only what went wrong is kept above the bar.
        if (kind != SendOutcome::Kind::Confirmed) {
            clearBar();
            line(m_out, text);
        }
        drawBar();
        return;
    }
    line(m_out, text);
}

void RunOutput::summary(const SendOutcome::RunCounts& counts, bool cancelled, int exitCode) {
    if (m_barShown) {
        // The bar's last state stays on the screen above the result.
        drawBar();
        std::fputs("\n", m_out);
        m_barShown = false;
    }
    if (m_style.json) {
        json({{QStringLiteral("type"), QStringLiteral("summary")},
              {QStringLiteral("confirmed"), counts.confirmed},
              {QStringLiteral("refused"), counts.refused},
              {QStringLiteral("not_sent"), counts.notSent},
              {QStringLiteral("no_answer"), counts.noAnswer},
              {QStringLiteral("cancelled"), cancelled},
              {QStringLiteral("exit_code"), exitCode}});
        return;
    }
    QString text = QStringLiteral("Ergebnis: ") + counts.endLine();
    if (cancelled)
        text += QStringLiteral(" (abgebrochen)");
    line(m_out, text);
}

void RunOutput::planned(const Planned& p) {
    if (m_style.json) {
        json({{QStringLiteral("type"), QStringLiteral("planned")},
              {QStringLiteral("recipient"), p.recipient},
              {QStringLiteral("requests"), p.requests},
              {QStringLiteral("characters"), p.characters},
              {QStringLiteral("sms"), p.sms}});
        return;
    }
    line(m_out, QStringLiteral("%1: %2 Zeichen, %3 SMS, %4 Anfrage(n)")
                    .arg(p.recipient)
                    .arg(p.characters)
                    .arg(p.sms)
                    .arg(p.requests));
}

void RunOutput::plannedTotal(qint64 recipients, qint64 sms, qint64 credits) {
    if (m_style.json) {
        json({{QStringLiteral("type"), QStringLiteral("planned_total")},
              {QStringLiteral("recipients"), recipients},
              {QStringLiteral("sms"), sms},
              {QStringLiteral("credits"), credits}});
        return;
    }
    line(m_out, QStringLiteral("Zusammen: %1 Empfänger, %2 SMS, %3 Credits (nichts gesendet)")
                    .arg(recipients)
                    .arg(sms)
                    .arg(credits));
}

void RunOutput::balance(qint32 credits) {
    if (m_style.json)
        json({{QStringLiteral("type"), QStringLiteral("balance")}, {QStringLiteral("credits"), credits}});
    else
        line(m_out, QString::number(credits));
}

QString RunOutput::barLine(qint64 done, qint64 expected, const SendOutcome::RunCounts& c, double perSecond) {
    constexpr int kWidth = 30;
    const qint64 shownTotal = qMax<qint64>(expected, done);
    const int filled = shownTotal > 0 ? int(kWidth * done / shownTotal) : 0;
    QString bar = QString(filled, QLatin1Char('#')) + QString(kWidth - filled, QLatin1Char('.'));
    QString text = QStringLiteral("[%1] %2/%3  übermittelt %4").arg(bar).arg(done).arg(shownTotal).arg(c.confirmed);
    if (c.refused)
        text += QStringLiteral("  abgelehnt %1").arg(c.refused);
    if (c.notSent)
        text += QStringLiteral("  nicht versendet %1").arg(c.notSent);
    if (c.noAnswer)
        text += QStringLiteral("  ohne Antwort %1").arg(c.noAnswer);
    text += QStringLiteral("  %1/s").arg(QString::number(perSecond, 'f', 1));
    return text;
}

void RunOutput::drawBar() {
    if (!m_style.progressBar || m_style.json || m_expected <= 0)
        return;
    const double seconds = m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0.0;
    const double rate = seconds > 0 ? m_counts.total() / seconds : 0.0;
    const QByteArray bytes = "\r" + barLine(m_counts.total(), m_expected, m_counts, rate).toUtf8() + "\x1b[K";
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out);
    std::fflush(m_out);
    m_barShown = true;
}

void RunOutput::clearBar() {
    if (!m_barShown)
        return;
    std::fputs("\r\x1b[K", m_out);
    std::fflush(m_out);
    m_barShown = false;
}
