#pragma once

#include "history/HistoryFilter.h"
#include "history/HistoryQuery.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

#include <optional>

// The journal as the history window lists it: either the send actions,
// newest first, or the rows of one action. The keys of every row the
// filter leaves are read at once (so the scroll bar is right from the
// start); the rows themselves a page at a time when they are shown, and
// only the pages looked at lately are kept.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Level { Actions, Action };
    // About two screens: a jump anywhere reads one page, rarely two.
    static constexpr int kPageRows = 64;

    explicit HistoryModel(const QSqlDatabase& db, QObject* parent = nullptr);

    // False when the journal could not be read: lastError() says why, and
    // the model is empty.
    bool showActions(const HistoryFilter& filter);
    bool showAction(qint64 action, const HistoryFilter& filter);
    // Read again with what is shown now (new sends, ended requests).
    bool reload();

    Level level() const { return m_level; }
    // The action shown at the Action level.
    const std::optional<HistoryQuery::Action>& action() const { return m_action; }
    const HistoryFilter& filter() const { return m_filter; }
    QString lastError() const { return m_error; }

    // The key of a row: the action at the Actions level; at the Action
    // level a request, or -(place + 1) for an entry without one.
    qint64 keyAt(int row) const;
    int rowOf(qint64 key) const { return int(m_keys.indexOf(key)); }

    // Every row shown, with whole texts, as CSV; empty when reading failed.
    QByteArray csv();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    bool readKeys();
    bool readRows(const QList<qint64>& keys, bool wholeText, QHash<qint64, QStringList>& rows) const;
    const QStringList& rowAt(int row) const;

    QSqlDatabase m_db;
    Level m_level = Level::Actions;
    HistoryFilter m_filter;
    std::optional<HistoryQuery::Action> m_action;
    QStringList m_headers;
    QList<qint64> m_keys;
    mutable QString m_error; // also set by a page read while drawing
    // Pages read, and the order they were last used in (oldest first).
    mutable QHash<int, QList<QStringList>> m_pages;
    mutable QList<int> m_used;
};
