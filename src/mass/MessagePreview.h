#pragma once

#include "mass/RecipientEntry.h"

#include <QString>

// The message one recipient of a mass send gets: the text with the
// placeholders filled from the entry, its counted size and its SMS.
namespace MessagePreview {

struct Preview {
    QString text;
    int size = 0; // counted characters ("€" and '"' twice)
    int sms = 1;
};

Preview forEntry(const QString& message, const RecipientEntry& entry, bool longSms);

// SMS per recipient that the counters show for the list: the text measured
// with every placeholder as long as the longest value of its column.
int listSms(const QString& message, int maxName, int maxFrei1, int maxFrei2, bool longSms);

// "123 Zeichen, 1 SMS"
QString countText(const Preview& preview);

} // namespace MessagePreview
