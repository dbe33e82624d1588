#include "mass/RecipientList.h"

#include "messaging/RecipientNumber.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

constexpr qsizetype kSkippedLineLength = 3;

quint16 longest(const QMap<qsizetype, int>& counts) {
    if (counts.isEmpty())
        return 0;
    return quint16(std::min<qsizetype>(counts.lastKey(), std::numeric_limits<quint16>::max()));
}

void changeCount(QMap<qsizetype, int>& counts, qsizetype length, int delta) {
    auto it = counts.find(length);
    if (it == counts.end()) {
        counts.insert(length, delta);
        return;
    }
    *it += delta;
    if (*it <= 0)
        counts.erase(it);
}

} // namespace

RecipientList::RecipientList(RecipientList&& other) noexcept : m_data(std::move(other.m_data)) {
    other.m_data = Data{};
    other.m_values.clear();
    other.m_valuesBuilt = false;
}

void RecipientList::countLengths(const RecipientEntry& e, int delta) {
    changeCount(m_data.names, e.name.size(), delta);
    changeCount(m_data.frei1, e.frei1.size(), delta);
    changeCount(m_data.frei2, e.frei2.size(), delta);
}

void RecipientList::indexValues(const RecipientEntry& e, int delta) const {
    if (!m_valuesBuilt)
        return;
    for (const QString* v : {&e.number, &e.frei1, &e.frei2}) {
        auto it = m_values.find(*v);
        if (it == m_values.end()) {
            if (delta > 0)
                m_values.insert(*v, delta);
            continue;
        }
        *it += delta;
        if (*it <= 0)
            m_values.erase(it);
    }
}

void RecipientList::append(RecipientEntry e) {
    e.tag = ++m_data.counter;
    const int row = count();
    if (m_observer)
        m_observer->rowAboutToBeAppended(row);
    countLengths(e, +1);
    indexValues(e, +1);
    m_data.entries.append(std::move(e));
    if (m_observer)
        m_observer->rowAppended();
}

void RecipientList::resetTo(Data&& data) {
    if (m_observer)
        m_observer->listAboutToReset();
    m_data = std::move(data);
    m_values.clear();
    m_valuesBuilt = false;
    if (m_observer)
        m_observer->listReset();
}

void RecipientList::Clear() {
    Data empty;
    empty.prefixAdded = m_data.prefixAdded;
    resetTo(std::move(empty));
}

bool RecipientList::parseLine(const QString& line) {
    if (line.size() <= kSkippedLineLength)
        return true;
    const QStringList parts = line.split(QLatin1Char(';'));
    if (parts.size() < 2 || parts.at(1).isEmpty())
        return false;
    RecipientEntry e;
    e.name = parts.at(0);
    if (!parts.at(1).startsWith(QLatin1String("00")) && !parts.at(1).startsWith(QLatin1Char('+')))
        m_data.prefixAdded = true;
    e.number = RecipientNumber::numberForSend(parts.at(1));
    if (parts.size() >= 4) {
        e.frei1 = parts.at(2);
        e.frei2 = parts.at(3);
    }
    append(std::move(e));
    return true;
}

qint32 RecipientList::add(const QString& name, const QString& number, const QString& frei1,
                          const QString& frei2) {
    append(RecipientEntry{name, number, frei1, frei2, 0});
    return m_data.counter;
}

bool RecipientList::updateByTag(qint32 tag, const QString& name, const QString& number, const QString& frei1,
                                const QString& frei2) {
    const int row = indexOfTag(tag);
    if (row < 0)
        return false;
    RecipientEntry& e = m_data.entries[row];
    countLengths(e, -1);
    indexValues(e, -1);
    e.name = name;
    e.number = number;
    e.frei1 = frei1;
    e.frei2 = frei2;
    countLengths(e, +1);
    indexValues(e, +1);
    if (m_observer)
        m_observer->rowChanged(row);
    return true;
}

void RecipientList::removeAt(int row) {
    if (row < 0 || row >= count())
        return;
    if (m_observer)
        m_observer->rowAboutToBeRemoved(row);
    countLengths(m_data.entries.at(row), -1);
    indexValues(m_data.entries.at(row), -1);
    m_data.entries.removeAt(row);
    if (m_observer)
        m_observer->rowRemoved();
}

int RecipientList::indexOfTag(qint32 tag) const {
    const auto& list = m_data.entries;
    const auto it = std::lower_bound(list.cbegin(), list.cend(), tag,
                                     [](const RecipientEntry& e, qint32 t) { return e.tag < t; });
    if (it == list.cend() || it->tag != tag)
        return -1;
    return int(it - list.cbegin());
}

void RecipientList::replaceEntries(const QList<RecipientEntry>& entries) {
    Data data;
    data.entries = entries;
    for (RecipientEntry& e : data.entries)
        e.tag = ++data.counter;
    resetTo(std::move(data));
    recalcMaxSizes();
}

void RecipientList::takeFrom(RecipientList&& other) {
    Data data = std::move(other.m_data);
    other.m_data = Data{};
    other.m_values.clear();
    other.m_valuesBuilt = false;
    resetTo(std::move(data));
}

bool RecipientList::containsValue(const QString& text) const {
    if (!m_valuesBuilt) {
        m_values.clear();
        m_values.reserve(m_data.entries.size() * 2);
        m_valuesBuilt = true;
        for (const RecipientEntry& e : m_data.entries)
            indexValues(e, +1);
    }
    return m_values.contains(text);
}

void RecipientList::recalcMaxSizes() {
    m_data.names.clear();
    m_data.frei1.clear();
    m_data.frei2.clear();
    for (const RecipientEntry& e : m_data.entries)
        countLengths(e, +1);
}

quint16 RecipientList::getMaxNameSize() const {
    return longest(m_data.names);
}
quint16 RecipientList::getMaxFrei1Size() const {
    return longest(m_data.frei1);
}
quint16 RecipientList::getMaxFrei2Size() const {
    return longest(m_data.frei2);
}
