#include "web/ServicePages.h"

#include "platform/mUrlEncode.h"

namespace ServicePages {

QString phonebookAddress(const QString& phonebook, const QString& email, const QString& password) {
    return phonebook + QStringLiteral("?email=") + mUrlEncode::encodeQueryValue(email) +
           QStringLiteral("&passwort=") + mUrlEncode::urlEncode(password, false);
}

} // namespace ServicePages
