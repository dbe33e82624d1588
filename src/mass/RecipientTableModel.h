#pragma once

#include "mass/RecipientList.h"

#include <QAbstractTableModel>

// The recipient list as four columns ("Name", "Nummer", "Freitext1",
// "Freitext2") for a view. It follows the list's changes row by row, so a
// change of one entry in a long list repaints that row only.
class RecipientTableModel : public QAbstractTableModel, private RecipientList::Observer {
    Q_OBJECT
public:
    enum Column { NameColumn, NumberColumn, Frei1Column, Frei2Column, ColumnCount };
    // The entry's tag, for every cell.
    static constexpr int TagRole = Qt::UserRole + 1;

    explicit RecipientTableModel(RecipientList& list, QObject* parent = nullptr);
    ~RecipientTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void listAboutToReset() override;
    void listReset() override;
    void rowAboutToBeAppended(int row) override;
    void rowAppended() override;
    void rowAboutToBeRemoved(int row) override;
    void rowRemoved() override;
    void rowChanged(int row) override;

    RecipientList& m_list;
};
