#include "lists/mSignaturen.h"

#include "platform/ToolRegistry.h"

#include <algorithm>
#include <cmath>

namespace mSignaturen {

namespace {

const QString kCount = QStringLiteral("count");

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
    // A missing value is an empty item at its place: the positions the user
    // sees stay those of the store.
    for (int i = 1; i <= count; ++i)
        list << ToolRegistry::getString(key, QString::number(i));
    return list;
}

void storeSignatures(const QStringList& signatures) {
    const QString key = registryKey();
    const qsizetype count = std::min<qsizetype>(signatures.size(), kMaxSignatures);
    ToolRegistry::setString(key, kCount, QString::number(count));
    // The store deletes a blank value instead of writing it, so a blank item
    // keeps its place and reads back empty.
    for (qsizetype i = 0; i < count; ++i)
        ToolRegistry::setString(key, QString::number(i + 1), signatures[i]);
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
