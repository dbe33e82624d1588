#include "platform/TransferFailure.h"

namespace TransferFailure {

QString text(int status) {
    if (status >= 300)
        return QStringLiteral("Der Server hat mit einem Fehler geantwortet (%1).").arg(status);
    if (status > 0)
        return QStringLiteral("Die Antwort des Servers kam nicht vollständig an.");
    return QStringLiteral("Die Verbindung zum Server konnte nicht hergestellt werden.");
}

} // namespace TransferFailure
