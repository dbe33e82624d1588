#include "Random.h"

#include <mutex>
#include <random>

std::string randomString(std::string_view alphabet, std::size_t n) {
    static std::mutex mutex;
    static std::mt19937_64 engine{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::lock_guard<std::mutex> lock(mutex);
    std::string out;
    for (std::size_t i = 0; i < n; ++i)
        out += alphabet[pick(engine)];
    return out;
}
