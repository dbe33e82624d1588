#pragma once

#include "mass/RecipientList.h"

#include <QString>

// Who a send goes to, by the window's rules: a number typed on the command
// line becomes a prefix entry and the typed rest, checked and resolved as
// the main window does; a list file becomes the mass run's entries.
namespace SendRecipients {

struct Single {
    QString key;       // the prefix entry ("G170", "W")
    QString typed;     // the number as the number field would hold it
    QString recipient; // the form the gateway takes ("00491701234567")
    QString error;     // German; empty when the number can be sent to
};
// to: "01701234567", "+491701234567" or "00491701234567"; prefix: "G170",
// "0170" or empty. A national number without --prefix takes the longest
// catalogue entry it begins with.
Single resolve(const QString& to, const QString& prefix);

// The form check of the send button for the text (and, for a single send,
// the number): the complaint lines, empty when all is well. textOnly leaves
// the number out, as mass mode does.
QString formComplaints(bool textOnly, const QString& typedNumber, const QString& text);

struct List {
    RecipientList entries;
    QString error;  // German; set when nothing can be sent
    QString notice; // rows left out of a CSV file
};
// A ".msms" file (any case) is read as such; anything else as CSV or vCard
// with the remembered or guessed column mapping.
List load(const QString& path);

} // namespace SendRecipients
