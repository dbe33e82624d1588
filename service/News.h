#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Database;

struct NewsItem {
    std::int64_t number = 0;
    std::string title;
    std::string body; // plain text; paragraphs separated by empty lines
    std::string published;
};

// The caller holds the database lock.
namespace news {
std::vector<NewsItem> latest(Database& db, int limit);
void add(Database& db, std::int64_t number, std::string_view title, std::string_view body);
} // namespace news
