#include "News.h"

#include "Database.h"

namespace news {

std::vector<NewsItem> latest(Database& db, int limit) {
    Statement s = db.prepare("SELECT number, title, body, published FROM news ORDER BY number DESC LIMIT ?");
    s.bindAll(limit);
    std::vector<NewsItem> out;
    while (s.step())
        out.push_back({s.integer(0), s.text(1), s.text(2), s.text(3)});
    return out;
}

void add(Database& db, std::int64_t number, std::string_view title, std::string_view body) {
    Statement s = db.prepare("INSERT INTO news (number, title, body) VALUES (?, ?, ?)");
    s.bindAll(number, title, body).run();
}

} // namespace news
