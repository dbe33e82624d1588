#include "lists/mSignaturen.h"

#include "platform/ToolRegistry.h"

#include <algorithm>
#include <cmath>

namespace mSignaturen {

namespace {

const QString kCount = QStringLiteral("count");

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

// "count" as stored: a whole number, or a decimal one cut toward zero; anything
// else is none.
int storedCount(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 1)
        return 0;
    return int(std::min<double>(std::trunc(value), kMaxSignatures));
}

} // namespace

QString registryKey() {
    return QStringLiteral("Software\\Quendal\\SMS\\Signaturen");
}

QStringList loadSignatures() {
    const QString key = registryKey();
    const int count = storedCount(ToolRegistry::getString(key, kCount));
    QStringList list;
    for (int i = 1; i <= count; ++i) {
        const QString text = ToolRegistry::getString(key, QString::number(i));
        if (!text.isEmpty())
            list << text;
    }
    return list;
}

void storeSignatures(const QStringList& signatures) {
    const QString key = registryKey();
    QStringList kept;
    for (const QString& text : signatures) {
        if (!isBlank(text) && kept.size() < kMaxSignatures)
            kept << text;
    }
    ToolRegistry::setString(key, kCount, QString::number(kept.size()));
    for (int i = 0; i < kept.size(); ++i)
        ToolRegistry::setString(key, QString::number(i + 1), kept[i]);
}

QString SignatureList::at(int position) const {
    return valid(position) ? m_texts[position - 1] : QString();
}

bool SignatureList::add(const QString& text) {
    if (count() >= kMaxSignatures)
        return false;
    m_texts << text;
    return true;
}

bool SignatureList::edit(int position, const QString& text) {
    if (!valid(position))
        return false;
    m_texts[position - 1] = text;
    return true;
}

bool SignatureList::remove(int position) {
    if (!valid(position))
        return false;
    m_texts.removeAt(position - 1);
    return true;
}

} // namespace mSignaturen
