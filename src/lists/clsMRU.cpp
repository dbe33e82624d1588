#include "lists/clsMRU.h"

#include "platform/ToolRegistry.h"

#include <stdexcept>

QString clsMRU::registryKey() {
    return QStringLiteral("Software\\Quendal\\SMS\\MRU");
}

void clsMRU::setMax(int max) {
    if (max < 1)
        throw std::invalid_argument("clsMRU::Max must be at least 1");
    m_max = max;
    trimToMax();
}

void clsMRU::trimToMax() {
    while (m_entries.size() > m_max)
        m_entries.removeLast();
}

qsizetype clsMRU::indexOf(const QString& key) const {
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void clsMRU::Add(const QString& entry) {
    if (indexOf(entry) >= 0) {
        SelectItem(entry);
        return;
    }
    m_entries.prepend(entry);
    trimToMax();
}

void clsMRU::SelectItem(const QString& key) {
    if (m_entries.size() < 2)
        return;
    const qsizetype i = indexOf(key);
    if (i > 0)
        m_entries.move(i, 0);
}

void clsMRU::SelectItem(int position) {
    if (m_entries.size() < 2 || position < 1 || position > m_entries.size())
        return;
    m_entries.move(position - 1, 0);
}

void clsMRU::ReadSettings() {
    m_entries.clear();
    for (int i = 1; i <= kStoredValues; ++i) {
        const QString value = ToolRegistry::getString(registryKey(), QString::number(i));
        if (!value.isEmpty() && indexOf(value) < 0)
            m_entries.append(value);
    }
    // The list never holds more than Max, whatever the store holds.
    trimToMax();
}

void clsMRU::StoreSettings() const {
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        ToolRegistry::setString(registryKey(), QString::number(i + 1), m_entries.at(i));
}

QString clsMRU::Item(int position) const {
    if (position < 1 || position > m_entries.size())
        return {};
    return m_entries.at(position - 1);
}

QString clsMRU::Item(const QString& key) const {
    const qsizetype i = indexOf(key);
    return i < 0 ? QString() : m_entries.at(i);
}

void clsMRU::Remove(int position) {
    if (position >= 1 && position <= m_entries.size())
        m_entries.removeAt(position - 1);
}

void clsMRU::Remove(const QString& key) {
    const qsizetype i = indexOf(key);
    if (i >= 0)
        m_entries.removeAt(i);
}

QList<clsMRU::ComboItem> clsMRU::comboItems() const {
    QList<ComboItem> items;
    for (const QString& entry : m_entries) {
        if (entry.isEmpty())
            continue;
        const qsizetype sep = entry.lastIndexOf(QLatin1Char(';'));
        if (sep < 0)
            items.append({entry, QString()});
        else
            items.append({entry.left(sep), entry.mid(sep + 1)});
    }
    return items;
}
