#pragma once

#include <QString>

// Measuring the message text: "€" and the double quote count twice; 160
// counted characters per SMS, 153 per part of a long SMS, at most 1500.
namespace MessageText {

inline constexpr int kMaxCountedSize = 1500;
inline constexpr int kSmsSize = 160;
inline constexpr int kLongSmsPartSize = 153;

// Number of "€" (U+20AC) plus number of '"' (U+0022) in the text.
int countDoubleChars(const QString& text);
// Length in UTF-16 code units plus countDoubleChars().
int calcSmsSize(const QString& text);

// Long SMS are in force only when both settings are on.
bool longSmsInForce(bool isLongSmsEnabled, bool isAbsenderkennung);

// SMS shown for one message of the given counted size: 1 up to 160, else
// Fix((size - 1) / 153) + 1 with long SMS in force, Fix((size - 1) / 160) + 1
// without.
int smsCount(int size, bool longSms);
// SMS per recipient of a mass send: the same division, also for sizes up to
// 160 (an estimate of 0 gives 1).
int smsPerRecipient(int estimate, bool longSms);

// Counted size of the text with every placeholder replaced by the longest
// value of its column ("%name%" by maxName characters, and so on).
int massEstimate(const QString& text, int maxName, int maxFrei1, int maxFrei2);

// The mass-SMS list's figures, where a list exists.
struct ListFigures {
    int maxName = 0;
    int maxFrei1 = 0;
    int maxFrei2 = 0;
    int entries = 0;
};

// Everything recalcSmsSize needs, read by the window from its fields.
struct SizeInput {
    QString text;
    bool longSms = false; // longSmsInForce()
    bool massMode = false;
    // Mass mode only: the recipient list's longest values and its size.
    int maxName = 0;
    int maxFrei1 = 0;
    int maxFrei2 = 0;
    int entries = 0;
};

// Everything the window applies after a change of the text.
struct SizeResult {
    int size = 0;            // txtZeichen (single mode)
    int smsCount = 1;        // txtAnzahlSMS (single mode)
    int estimate = 0;        // txtZeichenMultiSMS (mass mode)
    int perMessage = 1;      // txtAnzahlProNachricht (mass mode)
    int massTotal = 0;       // txtAnzahlMultiSMS (mass mode)
    bool overLimit = false;  // mark the text light red and show overLimitWarning()
    bool sendEnabled = true; // tbSend
};
// The 1500 limit is tested on the size before placeholders are expanded.
// Single-mode fields are filled in mass mode too (and the reverse); the window
// writes those of its mode.
SizeResult recalcSmsSize(const SizeInput& in);
QString overLimitWarning(); // "Eine SMS darf maximal 1500 Zeichen groß sein!"

// The placeholders of a mass send, matched exactly (case included).
QString namePlaceholder();  // "%name%"
QString frei1Placeholder(); // "%frei1%"
QString frei2Placeholder(); // "%frei2%"
// What the placeholder buttons put in place of the selection, with one trailing blank.
QString nameInsert();  // "%name% "
QString frei1Insert(); // "%frei1% "
QString frei2Insert(); // "%frei2% "

// The text for one recipient: every "%name%", then every "%frei1%", then every
// "%frei2%" replaced by the entry's values, inserted as they are.
QString fillPlaceholders(const QString& text, const QString& name, const QString& frei1,
                         const QString& frei2);

// Characters dropped when typed into the message field: apostrophe, double
// quote, grave accent, acute accent and backslash (Windows-1252 codes 39, 34,
// 96, 180, 92). Pasted or dropped text keeps them.
bool isDiscardedTypedChar(QChar c);

} // namespace MessageText
