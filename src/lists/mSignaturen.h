#pragma once

#include <QString>
#include <QStringList>

// The signatures: reusable texts kept in the value store under
// "Software\Quendal\SMS\Signaturen" as "count" and the values "1" to count,
// in list order.
namespace mSignaturen {

// "count" is a 16-bit number: no list grows past it.
inline constexpr int kMaxSignatures = 32767;

QString registryKey(); // "Software\Quendal\SMS\Signaturen"

// The stored list: the values "1" to "count" in order, a missing one as an
// empty item. A "count" that is no number loads as an empty list; one past the
// limit is cut to it. Values above "count" are left-overs of a longer list and
// ignored.
QStringList loadSignatures();

// Writes "count" as the number of items and each item to its position; a
// blank item's value is deleted, so it comes back empty. Values above the new
// count stay and are ignored. A failed write leaves the rest as written.
void storeSignatures(const QStringList& signatures);

// The list in memory, positions 1-based as the window shows them.
class SignatureList {
public:
    int count() const { return int(m_texts.size()); }
    const QStringList& texts() const { return m_texts; }
    // Empty for a position outside the list.
    QString at(int position) const;

    // Appends; false (and nothing changes) when the list is full.
    bool add(const QString& text);
    // Replaces the text at its place; false for a position outside the list.
    bool edit(int position, const QString& text);
    // Removes; false for a position outside the list.
    bool remove(int position);

    void load() { m_texts = loadSignatures(); }
    void store() const { storeSignatures(m_texts); }

private:
    bool valid(int position) const { return position >= 1 && position <= count(); }

    QStringList m_texts;
};

} // namespace mSignaturen
