#include "mass/WebGroup.h"

#include "mass/RecipientList.h"
#include "platform/mUrlEncode.h"
#include "platform/CodePage.h"

namespace WebGroup {

QString pageAddress(const QString& webGroup, const QString& email, const QString& password) {
    return webGroup + QStringLiteral("?email=") + mUrlEncode::encodeQueryValue(email) +
           QStringLiteral("&passwort=") + mUrlEncode::urlEncode(password, false);
}

std::optional<QList<RecipientEntry>> parseGroupFile(const QByteArray& bytes) {
    // A NUL is no text: an entry holding one could be saved as a data file
    // that no longer loads.
    if (bytes.contains('\0'))
        return std::nullopt;
    const QString text = CodePage::fromWindows1252(bytes);
    RecipientList list;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        // Blanks only, as the data file's lines are trimmed.
        while (line.startsWith(u' '))
            line = line.mid(1);
        while (line.endsWith(u' '))
            line.chop(1);
        if (!list.parseLine(line.toString()))
            return std::nullopt;
    }
    if (list.count() == 0)
        return std::nullopt;
    return list.entries();
}

QString loadFailedText() {
    return QStringLiteral("Die Gruppe konnte nicht geladen werden.");
}

} // namespace WebGroup
