#include "CommandLine.h"

#include <charconv>
#include <string_view>

namespace {

template <class T> bool parseNumber(std::string_view text, T& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "HOST:PORT", where HOST may be a bracketed IPv6 address.
bool parseListen(std::string_view text, std::string& host, int& port) {
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return false;
    std::string_view h = text.substr(0, colon);
    if (h.size() >= 2 && h.front() == '[' && h.back() == ']')
        h = h.substr(1, h.size() - 2);
    if (!parseNumber(text.substr(colon + 1), port) || port < 0 || port > 65535 || h.empty())
        return false;
    host = std::string(h);
    return true;
}

bool isVersion(std::string_view v) {
    int dots = 0;
    bool digitSeen = false;
    for (const char c : v) {
        if (c == '.') {
            if (!digitSeen)
                return false;
            ++dots;
            digitSeen = false;
        } else if (c >= '0' && c <= '9') {
            digitSeen = true;
        } else {
            return false;
        }
    }
    return dots == 2 && digitSeen;
}

} // namespace

std::string CommandLine::baseUrl(int boundPort) const {
    const std::string h = host.find(':') != std::string::npos ? '[' + host + ']' : host;
    return std::string(tls() ? "https://" : "http://") + h + ':' + std::to_string(boundPort);
}

std::optional<CommandLine> parseCommandLine(int argc, const char* const* argv, std::string* error) {
    CommandLine cl;
    bool listenSeen = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string_view value;
        bool hasValue = false;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        const auto takeValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= argc) {
                *error = std::string(arg) + " needs a value";
                return false;
            }
            value = argv[++i];
            return true;
        };

        if (arg == "--seed" || arg == "--print-oem") {
            if (hasValue) {
                *error = std::string(arg) + " takes no value";
                return std::nullopt;
            }
            (arg == "--seed" ? cl.seed : cl.printOem) = true;
        } else if (arg == "--listen") {
            if (!takeValue())
                return std::nullopt;
            if (!parseListen(value, cl.host, cl.port)) {
                *error = "--listen wants HOST:PORT, got \"" + std::string(value) + '"';
                return std::nullopt;
            }
            listenSeen = true;
        } else if (arg == "--db" || arg == "--tls-cert" || arg == "--tls-key") {
            if (!takeValue())
                return std::nullopt;
            (arg == "--db" ? cl.database : arg == "--tls-cert" ? cl.tlsCertificate : cl.tlsKey) = value;
        } else if (arg == "--latest-version") {
            if (!takeValue())
                return std::nullopt;
            if (!isVersion(value)) {
                *error = "--latest-version wants X.Y.Z, got \"" + std::string(value) + '"';
                return std::nullopt;
            }
            cl.latestVersion = value;
        } else if (arg == "--info-version") {
            if (!takeValue())
                return std::nullopt;
            if (!parseNumber(value, cl.infoVersion) || cl.infoVersion < -1 || cl.infoVersion > 32767) {
                *error = "--info-version wants a number from -1 to 32767";
                return std::nullopt;
            }
        } else if (arg == "--set-credits") {
            if (!takeValue())
                return std::nullopt;
            const auto eq = value.rfind('=');
            std::int64_t credits = 0;
            if (eq == std::string_view::npos || eq == 0 || !parseNumber(value.substr(eq + 1), credits) ||
                credits < 0 || credits > 2147483647) {
                *error = "--set-credits wants EMAIL=N with N from 0 to 2147483647";
                return std::nullopt;
            }
            cl.setCredits.emplace_back(std::string(value.substr(0, eq)), credits);
        } else {
            *error = "unknown argument \"" + std::string(arg) + '"';
            return std::nullopt;
        }
    }
    if (!listenSeen) {
        *error = "--listen HOST:PORT is required";
        return std::nullopt;
    }
    if (cl.database.empty() && !cl.printOem) {
        *error = "--db FILE is required";
        return std::nullopt;
    }
    if (cl.tlsCertificate.empty() != cl.tlsKey.empty()) {
        *error = "--tls-cert and --tls-key go together";
        return std::nullopt;
    }
    return cl;
}

std::string usageText() {
    return "usage: velvox-service --listen HOST:PORT --db FILE [--seed]\n"
           "                      [--tls-cert FILE --tls-key FILE]\n"
           "                      [--latest-version X.Y.Z] [--info-version N]\n"
           "                      [--set-credits EMAIL=N]... [--print-oem]\n";
}
