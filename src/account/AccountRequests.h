#pragma once

#include "account/AccountFields.h"

#include <QString>

class Transfer;

// The account check and the account creation: the addresses as the service
// expects them, and their replies read the way the wizard acts on them.
namespace AccountRequests {

// Long enough for a slow line, short enough that a silent service does not
// leave the wizard waiting for a minute.
inline constexpr int kTimeoutMs = 20000;

// endpoint + "?email=" + e-mail + "&password=" + password, both escaped as
// query values so "&", "+", "#", "%" and blanks arrive as typed.
QString checkUserUrl(const QString& endpoint, const QString& email, const QString& password);
// endpoint and the twelve keys "?name=" ... "&referer=" in their fixed order,
// every value URL-encoded (blank as "%20"), empty values included.
QString createUserUrl(const QString& endpoint, const AccountFields::NewAccount& a, const QString& referer);

struct Reply {
    enum class Kind {
        Accepted,     // the trimmed reply is 0
        Refused,      // any other reply, also one that is no number
        Failed,       // an error status or no answer: nothing can be said about the account
    };
    Kind kind = Kind::Failed;
    int status = 0; // HTTP status of a failed request, 0 when no answer came
};

// Blocking, through the caller's transfer component, at the addresses of the
// endpoint table.
Reply checkUser(Transfer& transfer, const QString& email, const QString& password);
Reply createNewAccount(Transfer& transfer, const AccountFields::NewAccount& a);

} // namespace AccountRequests
