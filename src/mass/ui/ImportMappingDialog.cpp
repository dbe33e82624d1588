#include "mass/ui/ImportMappingDialog.h"

#include "platform/Prompts.h"
#include "platform/ui/WidgetPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A cell of a huge field is shown cut: the preview only has to be recognised.
constexpr qsizetype kShownCell = 80;

QComboBox* choice(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

int columnOf(const QComboBox* c) {
    return c->currentData().toInt();
}

void select(QComboBox* c, int column) {
    const int i = c->findData(column);
    c->setCurrentIndex(i >= 0 ? i : 0);
}

} // namespace

ImportMappingDialog::ImportMappingDialog(const QList<QStringList>& firstRows, const ImportMapping& initial,
                                         QWidget* parent)
    : QDialog(parent), m_rows(firstRows), m_table(new QTableWidget(this)),
      m_header(new QCheckBox(QStringLiteral("Erste Zeile enthält Spaltennamen"), this)),
      m_name(choice(this, "cmbName")), m_lastName(choice(this, "cmbNachname")),
      m_number(choice(this, "cmbNummer")), m_frei1(choice(this, "cmbFrei1")),
      m_frei2(choice(this, "cmbFrei2")) {
    setObjectName(QStringLiteral("frmImportMapping"));
    setWindowTitle(QStringLiteral("Spalten zuordnen"));
    for (const QStringList& r : m_rows)
        m_columns = std::max(m_columns, int(r.size()));

    m_table->setObjectName(QStringLiteral("tblVorschau"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_header->setObjectName(QStringLiteral("chkSpaltennamen"));
    m_header->setChecked(initial.header);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    form->addRow(QStringLiteral("Nachname (an den Namen angehängt)"), m_lastName);
    form->addRow(QStringLiteral("Nummer"), m_number);
    form->addRow(QStringLiteral("Freitext 1"), m_frei1);
    form->addRow(QStringLiteral("Freitext 2"), m_frei2);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("Importieren"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("cmdImportieren"));
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdAbbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Die ersten Zeilen der Datei:"), this));
    layout->addWidget(m_table);
    layout->addWidget(m_header);
    layout->addLayout(form);
    layout->addWidget(buttons);

    showRows();
    fillChoices();
    select(m_name, initial.name);
    select(m_lastName, initial.lastName);
    select(m_number, initial.number);
    select(m_frei1, initial.frei1);
    select(m_frei2, initial.frei2);
    connect(m_header, &QCheckBox::toggled, this, [this] {
        // The choices keep their columns; only the names and the rows shown change.
        const ImportMapping kept = mapping();
        showRows();
        fillChoices();
        select(m_name, kept.name);
        select(m_lastName, kept.lastName);
        select(m_number, kept.number);
        select(m_frei1, kept.frei1);
        select(m_frei2, kept.frei2);
    });
    connect(m_number, &QComboBox::currentIndexChanged, this, &ImportMappingDialog::updateOk);
    updateOk();
    resize(640, 480);
}

void ImportMappingDialog::showRows() {
    const bool header = m_header->isChecked();
    const qsizetype from = header && !m_rows.isEmpty() ? 1 : 0;
    m_table->clear();
    m_table->setColumnCount(m_columns);
    m_table->setRowCount(int(m_rows.size() - from));
    QStringList labels;
    for (int c = 0; c < m_columns; ++c)
        labels << (header ? m_rows.first().value(c).left(kShownCell)
                          : QStringLiteral("Spalte %1").arg(c + 1));
    m_table->setHorizontalHeaderLabels(labels);
    for (qsizetype r = from; r < m_rows.size(); ++r) {
        for (int c = 0; c < m_columns; ++c)
            m_table->setItem(int(r - from), c, new QTableWidgetItem(m_rows.at(r).value(c).left(kShownCell)));
    }
}

void ImportMappingDialog::fillChoices() {
    const bool header = m_header->isChecked() && !m_rows.isEmpty();
    for (QComboBox* box : {m_name, m_lastName, m_number, m_frei1, m_frei2}) {
        const QSignalBlocker block(box);
        box->clear();
        box->addItem(QStringLiteral("(keine)"), -1);
        for (int c = 0; c < m_columns; ++c) {
            const QString title = header ? m_rows.first().value(c).left(kShownCell) : QString();
            box->addItem(title.isEmpty() ? QStringLiteral("Spalte %1").arg(c + 1)
                                         : QStringLiteral("Spalte %1: %2").arg(c + 1).arg(title),
                         c);
        }
    }
}

void ImportMappingDialog::updateOk() {
    m_ok->setEnabled(columnOf(m_number) >= 0);
}

ImportMapping ImportMappingDialog::mapping() const {
    ImportMapping m;
    m.name = columnOf(m_name);
    m.lastName = columnOf(m_lastName);
    m.number = columnOf(m_number);
    m.frei1 = columnOf(m_frei1);
    m.frei2 = columnOf(m_frei2);
    m.header = m_header->isChecked();
    return m;
}

void registerImportMappingDialog() {
    WidgetPrompts::instance().registerDialog(
        QString::fromLatin1(Prompts::Dialog::ImportMapping),
        [](QWidget* parent, const QVariantMap& args) -> QVariant {
            QList<QStringList> rows;
            for (const QVariant& r : args.value(QStringLiteral("rows")).toList())
                rows.append(r.toStringList());
            ImportMappingDialog dialog(
                rows, ImportMapping::fromVariant(args.value(QStringLiteral("mapping")).toMap()), parent);
            if (dialog.exec() != QDialog::Accepted)
                return {};
            return dialog.mapping().toVariant();
        });
}
