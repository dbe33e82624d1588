#pragma once

#include <QString>

// Addresses of the service pages the client shows itself.
namespace ServicePages {

// phonebook + "?email=" + user + "&passwort=" + password. The address is
// given as the endpoint table holds it; the e-mail gets the escaping of query
// values (so "+" or "&" in it cannot change the query), the password the
// URL encoding.
QString phonebookAddress(const QString& phonebook, const QString& email, const QString& password);

} // namespace ServicePages
