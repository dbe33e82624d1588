#pragma once

#include "mass/RecipientEntry.h"

#include <QHash>
#include <QList>
#include <QMap>

// The recipient list of a mass send: entries in list order, the tag counter,
// the three longest values the main window measures its text with, and the
// flag telling whether a line read from a file got the German prefix.
//
// The longest values are kept up to date by every change (a count of values
// per length and column), so adding, editing or deleting one entry of a long
// list never rescans it; recalcMaxSizes() rebuilds them from scratch.
// Tags rise in list order (entries are only ever appended), so an entry is
// found by its tag with a binary search.
class RecipientList {
public:
    // Told about every change, so a view over the list can follow it row by
    // row instead of being rebuilt. Not carried over when a list is moved.
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void listAboutToReset() = 0;
        virtual void listReset() = 0;
        virtual void rowAboutToBeAppended(int row) = 0;
        virtual void rowAppended() = 0;
        virtual void rowAboutToBeRemoved(int row) = 0;
        virtual void rowRemoved() = 0;
        virtual void rowChanged(int row) = 0;
    };

    RecipientList() = default;
    RecipientList(RecipientList&& other) noexcept;
    RecipientList(const RecipientList&) = delete;
    RecipientList& operator=(const RecipientList&) = delete;
    RecipientList& operator=(RecipientList&&) = delete;

    void setObserver(Observer* observer) { m_observer = observer; }

    // Empties the list and sets the tag counter to 0.
    void Clear();
    // Adds the entry of one data-file line. An empty line or one of three
    // characters or fewer is skipped (true); a line without ";" or with an
    // empty number cannot be read (false, nothing added). The number goes
    // through RecipientNumber::numberForSend; getting the German prefix sets prefixAdded().
    bool parseLine(const QString& line);
    bool prefixAdded() const { return m_data.prefixAdded; }
    void clearPrefixFlag() { m_data.prefixAdded = false; }

    // Appends the fields as typed; the entry gets tag = counter + 1. Returns the tag.
    qint32 add(const QString& name, const QString& number, const QString& frei1, const QString& frei2);
    // Overwrites the four fields of the entry with this tag; false when there is none.
    bool updateByTag(qint32 tag, const QString& name, const QString& number, const QString& frei1,
                     const QString& frei2);
    void removeAt(int row);
    // Row of the entry with this tag, -1 when there is none.
    int indexOfTag(qint32 tag) const;
    // Replaces every entry in one step; the entries are tagged 1..n afresh.
    void replaceEntries(const QList<RecipientEntry>& entries);
    // Takes over the other list's entries, counter, maxima and prefix flag in one step.
    void takeFrom(RecipientList&& other);

    // True when some entry holds the text as its number or as one of its free texts.
    bool containsValue(const QString& text) const;

    // Rebuilds the three longest values over all entries (O(n)).
    void recalcMaxSizes();
    // Longest name, free text 1 and free text 2 in characters; a value longer
    // than 65535 characters counts as 65535 instead of wrapping around.
    quint16 getMaxNameSize() const;
    quint16 getMaxFrei1Size() const;
    quint16 getMaxFrei2Size() const;

    int count() const { return int(m_data.entries.size()); }
    const QList<RecipientEntry>& entries() const { return m_data.entries; }
    const RecipientEntry& at(int row) const { return m_data.entries.at(row); }
    qint32 tagCounter() const { return m_data.counter; }

private:
    // Values per length of one column: the largest key is the longest value.
    using LengthCounts = QMap<qsizetype, int>;
    struct Data {
        QList<RecipientEntry> entries;
        qint32 counter = 0;
        bool prefixAdded = false;
        LengthCounts names;
        LengthCounts frei1;
        LengthCounts frei2;
    };

    void countLengths(const RecipientEntry& e, int delta);
    void indexValues(const RecipientEntry& e, int delta) const;
    void append(RecipientEntry e);
    void resetTo(Data&& data);

    Data m_data;
    Observer* m_observer = nullptr;
    // Numbers and free texts with how often each occurs: built on the first
    // duplicate check, then kept up to date, dropped when the list is replaced.
    mutable QHash<QString, int> m_values;
    mutable bool m_valuesBuilt = false;
};
