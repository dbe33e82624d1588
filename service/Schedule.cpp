#include "Schedule.h"

#include "SendRequest.h"

#include <cctype>
#include <vector>

namespace {

bool digitsAt(const std::string& s, std::size_t pos, std::size_t n, int& value) {
    value = 0;
    for (std::size_t i = pos; i < pos + n; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
        value = value * 10 + (s[i] - '0');
    }
    return true;
}

bool isCount(const std::string& s) {
    if (s.empty() || s.size() > 6 || s == "0")
        return false;
    for (const char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

bool isCronField(const std::string& f) {
    if (f.empty())
        return false;
    for (const char c : f) {
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '*' && c != ',' && c != '-')
            return false;
    }
    return true;
}

std::vector<std::string> splitAtBlanks(const std::string& s) {
    std::vector<std::string> parts(1);
    for (const char c : s) {
        if (c == ' ')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

} // namespace

bool isDateTime(const std::string& s) {
    if (s.size() != 19 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' || s[16] != ':')
        return false;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    return digitsAt(s, 0, 4, year) && digitsAt(s, 5, 2, month) && digitsAt(s, 8, 2, day) &&
           digitsAt(s, 11, 2, hour) && digitsAt(s, 14, 2, minute) && digitsAt(s, 17, 2, second) &&
           month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour <= 23 && minute <= 59 && second <= 59;
}

std::string scheduleProblem(const SendRequest& r) {
    const bool single = r.cronjobstring == "0";
    std::string start = r.term;
    if (!start.empty() && start.back() == ' ')
        start.pop_back();
    if (!isDateTime(start))
        return "Der Termin \"" + r.term + "\" ist kein gültiger Zeitpunkt.";
    if (single) {
        if (r.enddate != "0")
            return "Ein einmaliger Terminversand darf kein Ende haben.";
        return {};
    }
    const auto fields = splitAtBlanks(r.cronjobstring);
    if (fields.size() != 5)
        return "Die Wiederholungsregel \"" + r.cronjobstring + "\" hat nicht fünf Felder.";
    for (const std::string& f : fields) {
        if (!isCronField(f))
            return "Die Wiederholungsregel \"" + r.cronjobstring + "\" ist ungültig.";
    }
    if (!isCount(r.enddate) && !isDateTime(r.enddate))
        return "Das Ende der Serie \"" + r.enddate + "\" ist weder eine Anzahl noch ein Zeitpunkt.";
    return {};
}
