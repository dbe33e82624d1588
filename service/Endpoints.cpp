#include "Endpoints.h"

std::string oemProfile(std::string_view baseUrl) {
    std::string out = "[URLs]\r\n";
    for (const Endpoint& e : kEndpoints)
        out += std::string(e.key) + '=' + std::string(baseUrl) + e.path + "\r\n";
    return out;
}

std::string exactRoute(std::string_view path) {
    std::string out;
    for (const char c : path) {
        if (std::string_view(".^$|()[]{}*+?\\").find(c) != std::string_view::npos)
            out += '\\';
        out += c;
    }
    return out;
}
