#include "Log.h"

#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

void logLine(std::string_view text) {
    static std::mutex mutex;
    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::string line = std::string(stamp) + ' ' + std::string(text) + '\n';
    std::lock_guard<std::mutex> lock(mutex);
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}
