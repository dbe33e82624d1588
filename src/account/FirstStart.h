#pragma once

#include "account/AccountFields.h"

#include <QString>

class Transfer;

// The steps of the first-start wizard that talk to the service, write the
// settings and tell the user what went wrong. The window validates first,
// shows its wait overlay around these calls and applies what they return.
namespace FirstStart {

// Existing account: on success Username (and, when asked to, kennwort) and
// FirstStartHasRun are saved; WaitingForPassword is left alone. Returns
// whether the wizard may close.
bool signIn(Transfer& transfer, const AccountFields::ExistingAccount& a);

// The terms dialog; a refusal is explained to the user.
bool termsAccepted();

// New account: on success Username and WaitingForPassword are saved and the
// completion page follows. Returns whether the account was created.
bool registerAccount(Transfer& transfer, const AccountFields::NewAccount& a);

// The mailed password checked against Username: on success it is stored when
// asked to, WaitingForPassword goes off and FirstStartHasRun on. Returns
// whether the wizard may close.
bool activateAccount(Transfer& transfer, const QString& password, bool rememberPassword);

// "Ohne Überprüfung direkt zum Programm".
void skip();

// The completion page's text for Username; right after the registration it
// also says when the account will be active.
QString completionText(bool justRegistered);

// What the user reads when the service could not be reached; reason is the
// transfer component's own.
QString connectionFailedText(const QString& reason);

} // namespace FirstStart
