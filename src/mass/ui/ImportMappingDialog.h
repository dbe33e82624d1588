#pragma once

#include "mass/ImportMapping.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableWidget;

// Shows the first rows of an imported table and lets the user say which
// column fills the name (first and last name may be joined), the number and
// the two free texts. "Importieren" is enabled once a number column is chosen.
class ImportMappingDialog : public QDialog {
    Q_OBJECT
public:
    ImportMappingDialog(const QList<QStringList>& firstRows, const ImportMapping& initial,
                        QWidget* parent = nullptr);

    ImportMapping mapping() const;

private:
    void showRows();
    void fillChoices();
    void updateOk();

    QList<QStringList> m_rows;
    int m_columns = 0;
    QTableWidget* m_table;
    QCheckBox* m_header;
    QComboBox* m_name;
    QComboBox* m_lastName;
    QComboBox* m_number;
    QComboBox* m_frei1;
    QComboBox* m_frei2;
    QPushButton* m_ok;
};

// Registers the dialog with the prompts seam as Prompts::Dialog::ImportMapping.
void registerImportMappingDialog();
