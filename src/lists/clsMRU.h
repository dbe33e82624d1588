#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The recently used recipients, newest first, kept in the value store under
// "Software\Quendal\SMS\MRU" as values "1" (newest), "2", ... Each entry is
// name + ";" + prefix key + "-" + typed number, and is its own lookup key,
// compared without regard to letter case.
class clsMRU {
public:
    static constexpr int kDefaultMax = 4;
    // ReadSettings always looks at the values "1" to "10".
    static constexpr int kStoredValues = 10;
    static QString registryKey(); // "Software\Quendal\SMS\MRU"

    // Largest number of entries kept. setMax below 1 throws
    // std::invalid_argument and changes nothing; otherwise entries are dropped
    // from the old end until the count fits.
    int Max() const { return m_max; }
    void setMax(int max);

    // Puts the entry in front. An entry already present (ignoring case) is
    // moved to the front instead, keeping its stored letter case; a new entry
    // that makes the list longer than Max pushes out the oldest.
    void Add(const QString& entry);
    // Moves the entry with that key (ignoring case) or 1-based position to the
    // front. With fewer than two entries, or no such entry, nothing changes.
    void SelectItem(const QString& key);
    void SelectItem(int position);

    // Replaces the list by the stored one: values "1" to "10" in order, empty
    // and (ignoring case) repeated values skipped, at most Max kept.
    void ReadSettings();
    // Writes entry i as value "i" for i = 1 to Count. Higher values are left as
    // they are: a later ReadSettings skips them as repeats or takes them back.
    void StoreSettings() const;

    int Count() const { return int(m_entries.size()); }
    // The entry at a 1-based position or with a key (ignoring case); empty when
    // there is none.
    QString Item(int position) const;
    QString Item(const QString& key) const;
    // Removes by 1-based position or key; a missing one is ignored.
    void Remove(int position);
    void Remove(const QString& key);
    // Empties the list in memory; the store is untouched.
    void Clear() { m_entries.clear(); }
    // All entries, newest first.
    const QStringList& entries() const { return m_entries; }

    // An item of the recipient-name selector: the name and, as its tag,
    // prefix key + "-" + number.
    struct ComboItem {
        QString text;
        QString tag;
    };
    // The selector's items in list order, empty entries skipped. The entry is
    // split at its last ";", so a name holding ";" stays whole; an entry
    // without ";" is all name and has an empty tag.
    QList<ComboItem> comboItems() const;

private:
    qsizetype indexOf(const QString& key) const;
    void trimToMax();

    QStringList m_entries;
    int m_max = kDefaultMax;
};
