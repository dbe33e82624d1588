#include "history/HistoryModel.h"

#include "history/HistoryCsv.h"

namespace {

// About fifty screens of rows; a page costs a few kilobytes.
constexpr int kKeptPages = 64;
// Rows per read while exporting: few statements of a modest length.
constexpr int kExportRows = 500;

const QStringList& emptyRow() {
    static const QStringList none;
    return none;
}

} // namespace

HistoryModel::HistoryModel(const QSqlDatabase& db, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_headers(HistoryQuery::actionHeaders()) {}

bool HistoryModel::showActions(const HistoryFilter& filter) {
    m_level = Level::Actions;
    m_action.reset();
    m_filter = filter;
    return readKeys();
}

bool HistoryModel::showAction(qint64 action, const HistoryFilter& filter) {
    m_level = Level::Action;
    m_filter = filter;
    m_action = HistoryQuery::action(m_db, action);
    return readKeys();
}

bool HistoryModel::reload() {
    if (m_level == Level::Action && m_action)
        m_action = HistoryQuery::action(m_db, m_action->id);
    return readKeys();
}

bool HistoryModel::readKeys() {
    beginResetModel();
    m_pages.clear();
    m_used.clear();
    m_error.clear();
    bool ok = true;
    if (m_level == Level::Actions) {
        m_headers = HistoryQuery::actionHeaders();
        ok = HistoryQuery::actionKeys(m_db, m_filter, m_keys, &m_error);
    } else {
        m_headers = HistoryQuery::requestHeaders();
        if (!m_action) {
            m_error = QStringLiteral("Diese Sendeaktion ist nicht mehr im Verlauf.");
            ok = false;
        } else {
            ok = HistoryQuery::requestKeys(m_db, *m_action, m_filter, m_keys, &m_error);
        }
    }
    if (!ok)
        m_keys.clear();
    endResetModel();
    return ok;
}

bool HistoryModel::readRows(const QList<qint64>& keys, bool wholeText, QHash<qint64, QStringList>& rows) const {
    if (m_level == Level::Actions)
        return HistoryQuery::actionRows(m_db, keys, wholeText, rows, &m_error);
    return m_action && HistoryQuery::requestRows(m_db, *m_action, keys, wholeText, rows, &m_error);
}

qint64 HistoryModel::keyAt(int row) const {
    return row >= 0 && row < m_keys.size() ? m_keys.at(row) : 0;
}

const QStringList& HistoryModel::rowAt(int row) const {
    const int page = row / kPageRows;
    auto it = m_pages.find(page);
    if (it == m_pages.end()) {
        const QList<qint64> keys = m_keys.mid(qsizetype(page) * kPageRows, kPageRows);
        QHash<qint64, QStringList> read;
        // A failed read leaves blank rows; the next reload says why.
        readRows(keys, false, read);
        QList<QStringList> rows;
        rows.reserve(keys.size());
        for (const qint64 k : keys)
            rows.append(read.value(k));
        if (m_pages.size() >= kKeptPages)
            m_pages.remove(m_used.takeFirst());
        it = m_pages.insert(page, rows);
    } else {
        m_used.removeOne(page);
    }
    m_used.append(page);
    const qsizetype inPage = row % kPageRows;
    return inPage < it->size() ? it->at(inPage) : emptyRow();
}

QByteArray HistoryModel::csv() {
    QByteArray out = HistoryCsv::begin(m_headers);
    for (qsizetype start = 0; start < m_keys.size(); start += kExportRows) {
        const QList<qint64> keys = m_keys.mid(start, kExportRows);
        QHash<qint64, QStringList> rows;
        if (!readRows(keys, true, rows))
            return {};
        for (const qint64 k : keys) {
            QStringList r = rows.value(k);
            while (r.size() < m_headers.size())
                r.append(QString());
            out += HistoryCsv::row(r);
        }
    }
    return out;
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_keys.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_keys.size() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QStringList& r = rowAt(index.row());
    return index.column() < r.size() ? QVariant(r.at(index.column())) : QVariant();
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_headers.at(section);
}
