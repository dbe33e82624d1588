#include "messaging/MessageText.h"

namespace MessageText {

int countDoubleChars(const QString& text) {
    int n = 0;
    for (const QChar c : text) {
        if (c == QChar(0x20AC) || c == QLatin1Char('"'))
            ++n;
    }
    return n;
}

int calcSmsSize(const QString& text) {
    return int(text.size()) + countDoubleChars(text);
}

bool longSmsInForce(bool isLongSmsEnabled, bool isAbsenderkennung) {
    return isLongSmsEnabled && isAbsenderkennung;
}

int smsPerRecipient(int estimate, bool longSms) {
    // C++ division truncates toward zero, as Fix does: an estimate of 0 gives 1.
    return (estimate - 1) / (longSms ? kLongSmsPartSize : kSmsSize) + 1;
}

int smsCount(int size, bool longSms) {
    return size <= kSmsSize ? 1 : smsPerRecipient(size, longSms);
}

int massEstimate(const QString& text, int maxName, int maxFrei1, int maxFrei2) {
    int estimate = calcSmsSize(text);
    const auto expand = [&](const QString& placeholder, int longest) {
        const int n = int(text.count(placeholder));
        if (n >= 1)
            estimate += n * (longest - int(placeholder.size()));
    };
    expand(namePlaceholder(), maxName);
    expand(frei1Placeholder(), maxFrei1);
    expand(frei2Placeholder(), maxFrei2);
    return estimate;
}

SizeResult recalcSmsSize(const SizeInput& in) {
    SizeResult r;
    r.size = calcSmsSize(in.text);
    r.overLimit = r.size > kMaxCountedSize;
    r.sendEnabled = !r.overLimit;
    r.smsCount = smsCount(r.size, in.longSms);
    r.estimate = massEstimate(in.text, in.maxName, in.maxFrei1, in.maxFrei2);
    r.perMessage = smsPerRecipient(r.estimate, in.longSms);
    r.massTotal = r.perMessage * in.entries;
    return r;
}

QString overLimitWarning() {
    return QStringLiteral("Eine SMS darf maximal 1500 Zeichen groß sein!");
}

QString namePlaceholder() {
    return QStringLiteral("%name%");
}
QString frei1Placeholder() {
    return QStringLiteral("%frei1%");
}
QString frei2Placeholder() {
    return QStringLiteral("%frei2%");
}
QString nameInsert() {
    return namePlaceholder() + QLatin1Char(' ');
}
QString frei1Insert() {
    return frei1Placeholder() + QLatin1Char(' ');
}
QString frei2Insert() {
    return frei2Placeholder() + QLatin1Char(' ');
}

QString fillPlaceholders(const QString& text, const QString& name, const QString& frei1,
                         const QString& frei2) {
    QString t = text;
    t.replace(namePlaceholder(), name);
    t.replace(frei1Placeholder(), frei1);
    t.replace(frei2Placeholder(), frei2);
    return t;
}

bool isDiscardedTypedChar(QChar c) {
    switch (c.unicode()) {
    case 0x0027: // '
    case 0x0022: // "
    case 0x0060: // `
    case 0x00B4: // ´
    case 0x005C: // backslash
        return true;
    default:
        return false;
    }
}

} // namespace MessageText
