#pragma once

#include "config/Product.h"

#include <QString>

#include <optional>

class Transfer;
class cOptionen;

// The start-up checks against the service: is there a newer program
// version, is there news the user has not seen.
namespace UpdateCheck {

// What the no-connection window answers through the prompts seam.
inline constexpr const char* kRetry = "retry";
inline constexpr const char* kQuit = "quit";

// The version number of a reply "major.minor.revision[.more]"; nullopt when
// fewer than three fields, or one of them is not a 16-bit integer.
std::optional<qint64> parseVersion(const QString& reply);

enum class Notice { Show, Hide, Unchanged };
struct VersionResult {
    Notice notice = Notice::Unchanged;
    bool quit = false; // the user ended the program in the no-connection window
};

// The version and information requests' time-out: short, the whole start
// waits for them.
inline constexpr int kVersionTimeoutMs = 5000;

// Asks address for the newest version. No answer (an empty reply or a failed
// transfer) brings up the no-connection window, and "Erneut versuchen" asks
// again; a broken reply brings it up once. The transfer's time-out is put
// back afterwards.
VersionResult checkVersion(Transfer& transfer, const QString& address,
                           qint64 ownVersion = Product::versionNumber());

// What the information reply means for the news window.
struct NewsDecision {
    enum Action {
        Nothing, // not a number: the news window stays loaded and hidden
        Show,    // load the news page
        Unload,  // nothing new: the news window goes
    };
    Action action = Nothing;
    qint16 number = 0;
    bool remember = false; // store number as the last news shown
};
NewsDecision decideNews(const QString& reply, qint16 lastShown);

// The whole information check: nothing before the first start has run;
// otherwise fetch address (within the version check's time-out; the
// transfer's own is put back afterwards), decide, and store and save the news
// number when it is to be remembered.
NewsDecision checkForInfo(Transfer& transfer, const QString& address, cOptionen& settings);

} // namespace UpdateCheck
