#include "mass/ui/frmMultiSMS.h"

#include "config/Product.h"
#include "mass/MsmsFile.h"
#include "mass/MessagePreview.h"
#include "mass/RecipientTableModel.h"
#include "mass/ui/RecipientImporter.h"
#include "mass/ui/RecipientMarksModel.h"
#include "mass/ui/RecipientPreview.h"
#include "messaging/RecipientNumber.h"
#include "platform/FileSystem.h"
#include "platform/Prompts.h"
#include "widgets/FieldMark.h"

#include "ui_frmMultiSMS.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>

namespace {

const QString kStartFolder = QStringLiteral("C:\\");

QString productTitle() {
    return Product::productName();
}

} // namespace

frmMultiSMS::frmMultiSMS(QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::frmMultiSMS>()),
      m_model(new RecipientTableModel(m_list, this)), m_marks(new RecipientMarksModel(this)),
      m_preview(new RecipientPreview(this)), m_importer(new RecipientImporter(*this)) {
    m_ui->setupUi(this);
    m_actions = setUpMultiSMSBars(m_ui->boxToolbar, m_ui->boxEditBar);

    QTableView* view = m_ui->lvData;
    m_marks->setSourceModel(m_model);
    view->setModel(m_marks);
    m_ui->layoutMain->insertWidget(m_ui->layoutMain->indexOf(view) + 1, m_preview);
    m_importer->acceptDropsOn(view->viewport());
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmMultiSMS::updatePreview);
    connect(m_marks, &QAbstractItemModel::modelReset, this, &frmMultiSMS::updatePreview);
    connect(m_marks, &QAbstractItemModel::dataChanged, this, &frmMultiSMS::updatePreview);
    connect(m_actions.import, &QAction::triggered, m_importer, &RecipientImporter::importFile);
    connect(m_actions.exportList, &QAction::triggered, m_importer, &RecipientImporter::exportFile);
    // Fixed row heights and column widths: nothing is measured per row, so
    // a list of 100,000 entries shows as fast as one of ten.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (int c = 0; c < RecipientTableModel::ColumnCount; ++c)
        view->setColumnWidth(c, 120);
    m_ui->lblNummerHinweis->setVisible(false);

    connect(view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { editRow(index.row()); });
    connect(m_ui->txtNummer, &QLineEdit::textChanged, this, &frmMultiSMS::onNumberChanged);
    connect(m_actions.newList, &QAction::triggered, this, &frmMultiSMS::newList);
    connect(m_actions.open, &QAction::triggered, this, &frmMultiSMS::openFile);
    connect(m_actions.save, &QAction::triggered, this, &frmMultiSMS::saveFile);
    connect(m_actions.openWeb, &QAction::triggered, this, &frmMultiSMS::openWebRequested);
    connect(m_actions.add, &QAction::triggered, this, &frmMultiSMS::addEntry);
    connect(m_actions.ok, &QAction::triggered, this, &frmMultiSMS::storeEditedEntry);
    connect(m_actions.remove, &QAction::triggered, this, &frmMultiSMS::deleteSelected);
    updateActions();
}

frmMultiSMS::~frmMultiSMS() = default;

QString frmMultiSMS::fileName() const {
    return m_ui->txtFilename->text();
}

void frmMultiSMS::setWebGroupsAvailable(bool available) {
    m_webGroups = available;
    updateActions();
}

void frmMultiSMS::setEditingLocked(bool locked) {
    m_locked = locked;
    updateActions();
}

void frmMultiSMS::updateActions() {
    for (QAction* a : {m_actions.newList, m_actions.open, m_actions.import, m_actions.add, m_actions.ok,
                       m_actions.remove})
        a->setEnabled(!m_locked);
    m_actions.openWeb->setEnabled(!m_locked && m_webGroups);
}

void frmMultiSMS::replaceEntries(const QList<RecipientEntry>& entries) {
    clearInputs();
    m_list.replaceEntries(entries);
    m_ui->txtFilename->clear();
    recalcMaxSizes();
}

void frmMultiSMS::setEntries(const QList<RecipientEntry>& entries, bool keepFileName) {
    clearInputs();
    m_list.replaceEntries(entries);
    if (!keepFileName)
        m_ui->txtFilename->clear();
    recalcMaxSizes();
}

void frmMultiSMS::setMessage(const QString& text, bool longSms) {
    m_message = text;
    m_longSms = longSms;
    m_marks->setMessage(text, longSms,
                        MessagePreview::listSms(text, getMaxNameSize(), getMaxFrei1Size(), getMaxFrei2Size(), longSms));
    m_preview->setMessage(text, longSms);
}

void frmMultiSMS::updatePreview() {
    const QModelIndex current = m_ui->lvData->selectionModel()->currentIndex();
    if (!current.isValid() || current.row() >= m_list.count())
        m_preview->setEntry(std::nullopt);
    else
        m_preview->setEntry(m_list.at(current.row()));
}

void frmMultiSMS::placeBeside(QWidget* mainWindow) {
    if (m_mainWindow)
        m_mainWindow->removeEventFilter(this);
    m_mainWindow = mainWindow;
    if (!mainWindow)
        return;
    mainWindow->installEventFilter(this);
    followMainWindow();
}

void frmMultiSMS::followMainWindow() {
    // Same top and height as the main window, its left edge at the main
    // window's right edge; heights are compared frame to frame.
    const QRect frame = m_mainWindow->frameGeometry();
    const int decoration = frameGeometry().height() - height();
    resize(width(), frame.height() - decoration);
    move(frame.right() + 1, frame.top());
}

bool frmMultiSMS::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_mainWindow && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        followMainWindow();
    return QWidget::eventFilter(watched, event);
}

void frmMultiSMS::closeQuietly() {
    m_quietClose = true;
    close();
    m_quietClose = false;
}

void frmMultiSMS::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_quietClose)
        emit closedByUser();
}

void frmMultiSMS::Clear() {
    clearInputs();
    m_list.Clear();
}

void frmMultiSMS::recalcMaxSizes() {
    m_ui->txtAnzahl->setText(QString::number(m_list.count()));
    // The longest values may have changed, and with them the SMS the counters show.
    setMessage(m_message, m_longSms);
    emit maxSizesChanged();
}

void frmMultiSMS::clearInputs() {
    for (QLineEdit* field : {m_ui->txtName, m_ui->txtNummer, m_ui->txtFrei1, m_ui->txtFrei2})
        field->clear();
    // An empty number is not a number, but a freshly emptied field is not a fault.
    markField(m_ui->txtNummer, false);
    m_ui->lblNummerHinweis->setVisible(false);
    setEditing(false);
}

void frmMultiSMS::setEditing(bool editing) {
    if (!editing)
        m_editTag = 0;
    m_actions.ok->setVisible(editing);
    m_actions.add->setVisible(!editing);
}

void frmMultiSMS::onNumberChanged() {
    const bool faulty = !RecipientNumber::isNumeric(m_ui->txtNummer->text());
    markField(m_ui->txtNummer, faulty);
    m_ui->lblNummerHinweis->setVisible(faulty);
}

void frmMultiSMS::addEntry() {
    if (m_locked)
        return;
    const QString number = m_ui->txtNummer->text();
    if (number.isEmpty()) {
        Prompts::show(Prompts::Icon::Warning, QStringLiteral("MultiSMS - Rufnummer fehlt"),
                      QStringLiteral("Sie müssen eine Telefonummer eingeben."));
        markField(m_ui->txtNummer, true);
        m_ui->txtNummer->setFocus();
        return;
    }
    if (m_list.containsValue(number) &&
        Prompts::show(Prompts::Icon::Question, productTitle(),
                      QStringLiteral("Ein Eintrag mit dieser Nummer existiert schon.\r\n"
                                     "Möchten Sie diesen trotzdem hinzufügen?"),
                      Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return;
    m_list.add(m_ui->txtName->text(), number, m_ui->txtFrei1->text(), m_ui->txtFrei2->text());
    clearInputs();
    recalcMaxSizes();
}

void frmMultiSMS::editRow(int row) {
    if (m_locked || row < 0 || row >= m_list.count())
        return;
    const RecipientEntry& e = m_list.at(row);
    m_ui->txtName->setText(e.name);
    m_ui->txtNummer->setText(e.number);
    m_ui->txtFrei1->setText(e.frei1);
    m_ui->txtFrei2->setText(e.frei2);
    m_editTag = e.tag;
    setEditing(true);
}

void frmMultiSMS::storeEditedEntry() {
    if (m_locked)
        return;
    const bool stored = m_list.updateByTag(m_editTag, m_ui->txtName->text(), m_ui->txtNummer->text(),
                                           m_ui->txtFrei1->text(), m_ui->txtFrei2->text());
    clearInputs();
    if (stored)
        recalcMaxSizes();
}

void frmMultiSMS::deleteSelected() {
    if (m_locked)
        return;
    const QModelIndexList selected = m_ui->lvData->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    m_list.removeAt(selected.first().row());
    clearInputs();
    recalcMaxSizes();
}

void frmMultiSMS::newList() {
    if (m_locked)
        return;
    if (Prompts::show(Prompts::Icon::Question, productTitle(),
                      QStringLiteral("Alle nicht gespeicherten Informationen gehen verloren.\r\n"
                                     "Möchten Sie wirklich eine neue Datei anlegen?"),
                      Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return;
    m_ui->txtFilename->clear();
    Clear();
    recalcMaxSizes();
}

void frmMultiSMS::openFile() {
    if (m_locked)
        return;
    setEnabled(false);
    const QString path = Prompts::dialog(QString::fromLatin1(Prompts::Dialog::OpenFile),
                                         {{QStringLiteral("title"), QStringLiteral("Datendatei öffnen")},
                                          {QStringLiteral("start"), kStartFolder},
                                          {QStringLiteral("filter"),
                                           QStringLiteral("MultiSMS Datendatei (*.msms);;All Files (*.*)")}})
                             .toString();
    setEnabled(true);
    if (path.isEmpty())
        return;
    // Read into a list of its own: the shown list is replaced only by a whole file.
    std::optional<RecipientList> loaded = MsmsFile::load(path);
    clearInputs();
    if (!loaded) {
        // The name no longer belongs to the list shown, so the next save asks for one.
        m_ui->txtFilename->clear();
        Prompts::show(Prompts::Icon::Error, productTitle(), MsmsFile::loadFailureText());
        return;
    }
    const bool prefixAdded = loaded->prefixAdded();
    m_list.takeFrom(std::move(*loaded));
    m_list.clearPrefixFlag();
    m_ui->txtFilename->setText(path);
    recalcMaxSizes();
    if (prefixAdded)
        Prompts::show(
            Prompts::Icon::Information, productTitle(),
            QStringLiteral("Den Rufnummern wurde die Vorwahl für Deutschland hinzugefügt. Die gespeicherte "
                           "Datei wurde nicht verändert. Bitte speichern Sie die neuen Nummern bei Bedarf "
                           "ab."));
    m_importer->checkDuplicates(true);
}

void frmMultiSMS::saveFile() {
    QString path = fileName();
    if (path.isEmpty()) {
        setEnabled(false);
        const QString chosen =
            Prompts::dialog(QString::fromLatin1(Prompts::Dialog::SaveFile),
                            {{QStringLiteral("title"), QStringLiteral("Datendatei speichern")},
                             {QStringLiteral("start"), kStartFolder},
                             {QStringLiteral("name"), QString()},
                             {QStringLiteral("filter"), QStringLiteral("MultiSMS Datendatei (*.msms)")}})
                .toString();
        setEnabled(true);
        if (chosen.isEmpty())
            return;
        path = MsmsFile::withExtension(chosen);
        if (FileSystem::fileExists(path) &&
            Prompts::show(
                Prompts::Icon::Question, productTitle(),
                QStringLiteral("Die Datei existiert bereits.\r\nWollen Sie die Datei überschreiben?"),
                Prompts::Buttons::YesNo) != Prompts::Answer::Yes) {
            m_ui->txtFilename->clear();
            return;
        }
        m_ui->txtFilename->setText(path);
    }
    writeTo(path);
}

bool frmMultiSMS::writeTo(const QString& path) {
    QProgressBar* bar = m_ui->pBar;
    bar->setMinimum(0);
    bar->setMaximum(m_list.count() + 3);
    bar->setValue(0);
    bar->setVisible(true);
    const MsmsFile::SaveResult result =
        MsmsFile::save(path, m_list.entries(), [bar](int written) { bar->setValue(written); });
    bar->setValue(bar->maximum());
    bar->setVisible(false);
    if (!result.ok)
        Prompts::show(Prompts::Icon::Error, productTitle(), MsmsFile::saveFailureText(result));
    return result.ok;
}
