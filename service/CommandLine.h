#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// velvox-service --listen HOST:PORT --db FILE [--seed]
//     [--tls-cert FILE --tls-key FILE] [--latest-version X.Y.Z]
//     [--info-version N] [--set-credits EMAIL=N]... [--print-oem]
struct CommandLine {
    std::string host;
    int port = 0;
    std::string database;
    bool seed = false;
    std::string tlsCertificate;
    std::string tlsKey;
    std::string latestVersion = "3.0.99";
    int infoVersion = 1;
    std::vector<std::pair<std::string, std::int64_t>> setCredits;
    bool printOem = false;

    bool tls() const { return !tlsCertificate.empty(); }
    // "http://HOST:PORT" (https with TLS), without a trailing slash.
    std::string baseUrl(int boundPort) const;
};

// Accepts "--option value" and "--option=value". On failure returns nothing
// and puts the reason into *error.
std::optional<CommandLine> parseCommandLine(int argc, const char* const* argv, std::string* error);

std::string usageText();
