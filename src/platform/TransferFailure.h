#pragma once

#include <QString>

// What the user reads about a request that failed. Qt's own error texts quote
// the whole address, query and password included, so none of them is ever
// shown or logged: only whether the server answered, and with which status.
namespace TransferFailure {

// status is the HTTP status of the answer, 0 when none came: "Der Server hat
// mit einem Fehler geantwortet (503)." for an error status, "Die Verbindung
// zum Server konnte nicht hergestellt werden." only when no answer came, and
// for an answer that began well but broke off, that it did not arrive whole.
QString text(int status);

} // namespace TransferFailure
