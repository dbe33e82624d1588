#include "web/UpdateCheck.h"

#include "config/cOptionen.h"
#include "platform/Prompts.h"
#include "platform/Transfer.h"

#include <QStringList>

namespace UpdateCheck {

namespace {

std::optional<qint16> readShort(const QString& text) {
    bool ok = false;
    const qint16 value = text.trimmed().toShort(&ok);
    return ok ? std::optional<qint16>(value) : std::nullopt;
}

enum class Choice { Retry, Quit, GoOn };

Choice askNoConnection() {
    const QString answer = Prompts::dialog(QString::fromLatin1(Prompts::Dialog::NoInternet)).toString();
    if (answer == QLatin1String(kQuit))
        return Choice::Quit;
    return answer == QLatin1String(kRetry) ? Choice::Retry : Choice::GoOn;
}

} // namespace

std::optional<qint64> parseVersion(const QString& reply) {
    const QStringList fields = reply.split(QLatin1Char('.'));
    if (fields.size() < 3)
        return std::nullopt;
    const auto major = readShort(fields[0]);
    const auto minor = readShort(fields[1]);
    const auto revision = readShort(fields[2]);
    if (!major || !minor || !revision)
        return std::nullopt;
    return Product::versionNumber(*major, *minor, *revision);
}

VersionResult checkVersion(Transfer& transfer, const QString& address, qint64 ownVersion) {
    const int previousTimeout = transfer.timeoutMs();
    transfer.setTimeoutMs(kVersionTimeoutMs);
    VersionResult result;
    for (;;) {
        bool ok = false;
        const QString reply = transfer.openUrl(address, &ok).trimmed();
        if (!ok || reply.isEmpty()) {
            // No answer at all: the connection is the problem, so retrying makes sense.
            const Choice choice = askNoConnection();
            if (choice == Choice::Retry)
                continue;
            result.quit = choice == Choice::Quit;
            break;
        }
        if (const auto remote = parseVersion(reply)) {
            result.notice = ownVersion < *remote ? Notice::Show : Notice::Hide;
        } else {
            result.quit = askNoConnection() == Choice::Quit;
        }
        break;
    }
    transfer.setTimeoutMs(previousTimeout);
    return result;
}

NewsDecision decideNews(const QString& reply, qint16 lastShown) {
    const auto number = readShort(reply);
    if (!number)
        return {};
    if (*number == -1)
        return {NewsDecision::Show, *number, false};
    if (lastShown < *number)
        return {NewsDecision::Show, *number, true};
    return {NewsDecision::Unload, *number, false};
}

NewsDecision checkForInfo(Transfer& transfer, const QString& address, cOptionen& settings) {
    if (!settings.FirstStartHasRun)
        return {};
    const int previousTimeout = transfer.timeoutMs();
    transfer.setTimeoutMs(kVersionTimeoutMs);
    const QString reply = transfer.openUrl(address);
    transfer.setTimeoutMs(previousTimeout);
    const NewsDecision decision = decideNews(reply, settings.InfoVersion);
    if (decision.remember) {
        settings.InfoVersion = decision.number;
        settings.save();
    }
    return decision;
}

} // namespace UpdateCheck
