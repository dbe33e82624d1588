#pragma once

#include "account/AccountFields.h"
#include "account/AccountRequests.h"

#include <QString>

// What the first-start wizard makes of the service's replies: the settings it
// writes and what it tells the user. The window validates, sends the request
// (AccountRequests) under its wait overlay and hands the reply here, unless it
// was closed meanwhile.
namespace FirstStart {

// Existing account, after its check: on success Username (and, when asked to, kennwort) and
// FirstStartHasRun are saved; WaitingForPassword is left alone. Returns
// whether the wizard may close.
bool signIn(const AccountRequests::Reply& reply, const AccountFields::ExistingAccount& a);

// The terms dialog; a refusal is explained to the user.
bool termsAccepted();

// New account, after its creation request: on success Username and WaitingForPassword are saved and the
// completion page follows. Returns whether the account was created.
bool registerAccount(const AccountRequests::Reply& reply, const AccountFields::NewAccount& a);

// The mailed password, after its check against Username: on success it is stored when
// asked to, WaitingForPassword goes off and FirstStartHasRun on. Returns
// whether the wizard may close.
bool activateAccount(const AccountRequests::Reply& reply, const QString& password, bool rememberPassword);

// "Ohne Überprüfung direkt zum Programm".
void skip();

// The completion page's text for Username; right after the registration it
// also says when the account will be active.
QString completionText(bool justRegistered);

// What the user reads when a request failed: the server's error status, or
// that no connection came about (status 0). Never the address, which carries
// the password and every personal field.
QString failedText(int status);

} // namespace FirstStart
