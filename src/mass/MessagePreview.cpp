#include "mass/MessagePreview.h"

#include "messaging/MessageText.h"

namespace MessagePreview {

Preview forEntry(const QString& message, const RecipientEntry& entry, bool longSms) {
    Preview p;
    p.text = MessageText::fillPlaceholders(message, entry.name, entry.frei1, entry.frei2);
    p.size = MessageText::calcSmsSize(p.text);
    p.sms = MessageText::smsPerRecipient(p.size, longSms);
    return p;
}

int listSms(const QString& message, int maxName, int maxFrei1, int maxFrei2, bool longSms) {
    return MessageText::smsPerRecipient(MessageText::massEstimate(message, maxName, maxFrei1, maxFrei2),
                                        longSms);
}

QString countText(const Preview& preview) {
    return QStringLiteral("%1 Zeichen, %2 SMS").arg(preview.size).arg(preview.sms);
}

} // namespace MessagePreview
