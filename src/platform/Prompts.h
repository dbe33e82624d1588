#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// The one way the program asks or tells the user something modally: message
// boxes and the program's own modal dialogs (login prompt, terms, recurrence
// editor, file and folder choice). Production installs a handler that shows
// widgets; tests install a scripted one that records and answers.
namespace Prompts {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    Icon icon = Icon::None;
    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    // Own button texts in the order of the buttons ("Ersetzen", "Anhängen",
    // "Abbrechen" for YesNoCancel); empty for the usual ones.
    QStringList captions = {};
};

// Names of the modal dialogs reachable through the seam, with the arguments
// they take and what they return.
namespace Dialog {
inline constexpr const char* Login = "login";             // args: email; returns the password (QString), empty when cancelled
inline constexpr const char* Terms = "terms";             // returns bool: accepted
inline constexpr const char* TimeControl = "timeControl"; // args: lastStart; returns QVariantMap (StartTime, CronString, EndTime) or invalid
inline constexpr const char* OpenFile = "openFile";       // args: title, filter; returns the path or empty
inline constexpr const char* SaveFile = "saveFile";       // args: title, filter, name; returns the path or empty
inline constexpr const char* ChooseFolder = "chooseFolder"; // args: title, start; returns the path or empty
inline constexpr const char* Options = "options";         // args: page; returns nothing
inline constexpr const char* NoInternet = "noInternet";   // returns "retry", "quit", or invalid when closed by its frame
// args: text; returns the saved text (QString), invalid when closed by its frame
inline constexpr const char* Signature = "signature";
// args: rows (the first rows, each a QStringList), mapping (QVariantMap of
// ImportMapping); returns the chosen mapping (QVariantMap), invalid when cancelled
inline constexpr const char* ImportMapping = "importMapping";
} // namespace Dialog

class Handler {
public:
    virtual ~Handler() = default;
    virtual Answer message(const Message& m) = 0;
    virtual QVariant dialog(const QString& name, const QVariantMap& args) = 0;
};

// The handler in force; without one installed, every message is answered
// Cancel/No and every dialog returns an invalid value.
void install(Handler* handler);
Handler* installed();

Answer show(Icon icon, const QString& title, const QString& text, Buttons buttons = Buttons::Ok);
Answer show(const Message& message);
QVariant dialog(const QString& name, const QVariantMap& args = {});

} // namespace Prompts
