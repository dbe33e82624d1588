#include "Groups.h"

#include "Database.h"
#include "Random.h"
#include "Utf8.h"

namespace groups {

std::vector<WebGroup> list(Database& db, std::int64_t accountId) {
    Statement s = db.prepare("SELECT g.id, g.name, g.file_name, "
                             "(SELECT count(*) FROM group_members m WHERE m.group_id = g.id) "
                             "FROM web_groups g WHERE g.account_id = ? ORDER BY g.name COLLATE NOCASE, g.id");
    s.bindAll(accountId);
    std::vector<WebGroup> out;
    while (s.step())
        out.push_back({s.integer(0), accountId, s.text(1), s.text(2), int(s.integer(3))});
    return out;
}

std::optional<WebGroup> byFileName(Database& db, std::string_view fileName) {
    Statement s = db.prepare("SELECT id, account_id, name, file_name FROM web_groups WHERE file_name = ?");
    s.bindAll(fileName);
    if (!s.step())
        return std::nullopt;
    return WebGroup{s.integer(0), s.integer(1), s.text(2), s.text(3), 0};
}

std::vector<MsmsEntry> members(Database& db, std::int64_t groupId) {
    Statement s = db.prepare(
        "SELECT name, number, frei1, frei2 FROM group_members WHERE group_id = ? ORDER BY position");
    s.bindAll(groupId);
    std::vector<MsmsEntry> out;
    while (s.step())
        out.push_back({s.text(0), s.text(1), s.text(2), s.text(3)});
    return out;
}

WebGroup create(Database& db, std::int64_t accountId, std::string_view name,
                const std::vector<MsmsEntry>& members, std::string_view fileName) {
    WebGroup g{0, accountId, std::string(name), fileName.empty() ? newFileName(name) : std::string(fileName),
               int(members.size())};
    Statement insertGroup =
        db.prepare("INSERT INTO web_groups (account_id, name, file_name) VALUES (?, ?, ?)");
    insertGroup.bindAll(accountId, name, g.fileName).run();
    g.id = db.lastInsertId();
    Statement insertMember = db.prepare("INSERT INTO group_members (group_id, position, name, number, frei1, "
                                        "frei2) VALUES (?, ?, ?, ?, ?, ?)");
    int position = 0;
    for (const MsmsEntry& m : members) {
        insertMember.reset().bindAll(g.id, ++position, m.name, m.number, m.frei1, m.frei2).run();
    }
    return g;
}

std::string newFileName(std::string_view groupName) {
    std::string slug;
    utf8::forEachCodePoint(groupName, [&slug](char32_t cp) {
        if (slug.size() >= 24)
            return;
        if ((cp >= 'a' && cp <= 'z') || (cp >= '0' && cp <= '9'))
            slug += char(cp);
        else if (cp >= 'A' && cp <= 'Z')
            slug += char(cp - 'A' + 'a');
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    });
    while (!slug.empty() && slug.back() == '-')
        slug.pop_back();
    if (slug.empty())
        slug = "gruppe";
    return slug + '-' + randomString("0123456789abcdef", 12) + ".txt";
}

} // namespace groups
