#include "history/ui/frmVerlauf.h"

#include "ui_frmVerlauf.h"

#include "config/Product.h"
#include "history/HistoryCsv.h"
#include "history/HistoryLabels.h"
#include "history/HistoryQuery.h"
#include "history/JournalErrors.h"
#include "history/SendJournal.h"
#include "platform/Prompts.h"
#include "platform/SaveTarget.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QShortcut>

#include <algorithm>

namespace {

// Typing in a filter field reads the journal again once the typing pauses.
constexpr int kTypingPauseMs = 300;

QString count(qsizetype n) {
    return QLocale(QLocale::German, QLocale::Germany).toString(qint64(n));
}

QString startedText(const HistoryQuery::Action& a) {
    const QDateTime t = QDateTime::fromString(a.started, Qt::ISODateWithMs);
    return t.isValid() ? t.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : a.started;
}

bool isMass(const HistoryQuery::Action& a) {
    return a.kind == QLatin1String("mass");
}

// A typical value per column, for widths that fit without measuring rows.
QStringList samples(HistoryModel::Level level) {
    if (level == HistoryModel::Level::Actions)
        return {QStringLiteral("00.00.0000 00:00:00"), QStringLiteral("Massenversand"), QStringLiteral("Abgeschlossen"),
                QStringLiteral("00491701234567"), QStringLiteral("Vorname Name"), QStringLiteral("00000"),
                QStringLiteral("00000"), QStringLiteral("00000"), QStringLiteral("00000"), QStringLiteral("00000"),
                QStringLiteral("00000"), QString()};
    return {QStringLiteral("00000"), QStringLiteral("00"), QStringLiteral("00.00.0000 00:00:00"),
            QStringLiteral("00491701234567"), QStringLiteral("Vorname Name"), QStringLiteral("Nicht gesendet"),
            QStringLiteral("000"), QStringLiteral("Die SMS wurde erfolgreich"), QString()};
}

} // namespace

QString frmVerlauf::title() {
    return QStringLiteral("Verlauf");
}

frmVerlauf::frmVerlauf(SendJournal& journal, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::frmVerlauf>()), m_journal(journal),
      m_model(journal.database()) {
    m_ui->setupUi(this);
    setWindowTitle(title());
    m_ui->cmbStatus->addItem(QStringLiteral("Alle"), QString());
    for (const QString& state : HistoryLabels::requestStates())
        m_ui->cmbStatus->addItem(HistoryLabels::stateLabel(state), state);
    const QDate today = QDate::currentDate();
    m_ui->dtVon->setDate(today);
    m_ui->dtBis->setDate(today);

    QTableView* table = m_ui->lvVerlauf;
    table->setModel(&m_model);
    // Fixed row heights and column widths: the view never measures rows it
    // does not show, so 100,000 of them cost what is on screen.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setDefaultSectionSize(110);
    table->horizontalHeader()->setStretchLastSection(true);

    m_typing.setSingleShot(true);
    m_typing.setInterval(kTypingPauseMs);
    connect(&m_typing, &QTimer::timeout, this, &frmVerlauf::applyFilter);
    for (QLineEdit* field : {m_ui->txtText, m_ui->txtNummer}) {
        connect(field, &QLineEdit::textEdited, &m_typing, qOverload<>(&QTimer::start));
        connect(field, &QLineEdit::returnPressed, this, &frmVerlauf::applyFilter);
    }
    connect(m_ui->cmbStatus, &QComboBox::currentIndexChanged, this, &frmVerlauf::applyFilter);
    connect(m_ui->chkVon, &QCheckBox::toggled, m_ui->dtVon, &QWidget::setEnabled);
    connect(m_ui->chkBis, &QCheckBox::toggled, m_ui->dtBis, &QWidget::setEnabled);
    for (QCheckBox* box : {m_ui->chkVon, m_ui->chkBis})
        connect(box, &QCheckBox::toggled, this, &frmVerlauf::applyFilter);
    for (QDateEdit* date : {m_ui->dtVon, m_ui->dtBis})
        connect(date, &QDateEdit::dateChanged, this, &frmVerlauf::applyFilter);
    connect(m_ui->cmdFilterLeeren, &QPushButton::clicked, this, &frmVerlauf::clearFilter);

    connect(table, &QTableView::activated, this, &frmVerlauf::openCurrent);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmVerlauf::updateControls);
    connect(m_ui->cmdOeffnen, &QPushButton::clicked, this, &frmVerlauf::openCurrent);
    connect(m_ui->cmdZurueck, &QPushButton::clicked, this, &frmVerlauf::goBack);
    connect(m_ui->cmdText, &QPushButton::clicked, this, &frmVerlauf::reuseCurrentText);
    connect(m_ui->cmdExport, &QPushButton::clicked, this, &frmVerlauf::exportShown);
    connect(m_ui->cmdErneut, &QPushButton::clicked, this, &frmVerlauf::resendNoAnswer);
    connect(m_ui->cmdSchliessen, &QPushButton::clicked, this, &QWidget::close);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &frmVerlauf::escape);

    showResult(m_model.showActions(filter()), 0);
}

frmVerlauf::~frmVerlauf() = default;

HistoryFilter frmVerlauf::filter() const {
    HistoryFilter f;
    f.text = m_ui->txtText->text();
    f.number = m_ui->txtNummer->text();
    f.state = m_ui->cmbStatus->currentData().toString();
    if (m_ui->chkVon->isChecked())
        f.from = m_ui->dtVon->date();
    if (m_ui->chkBis->isChecked())
        f.to = m_ui->dtBis->date();
    return f;
}

qint64 frmVerlauf::currentAction() const {
    if (m_model.level() == HistoryModel::Level::Action)
        return m_model.action() ? m_model.action()->id : 0;
    return m_model.keyAt(m_ui->lvVerlauf->currentIndex().row());
}

void frmVerlauf::refresh() {
    const qint64 key = m_model.keyAt(m_ui->lvVerlauf->currentIndex().row());
    showResult(m_model.reload(), key);
}

void frmVerlauf::applyFilter() {
    m_typing.stop();
    const qint64 key = m_model.keyAt(m_ui->lvVerlauf->currentIndex().row());
    if (m_model.level() == HistoryModel::Level::Action && m_model.action())
        showResult(m_model.showAction(m_model.action()->id, filter()), key);
    else
        showResult(m_model.showActions(filter()), key);
}

void frmVerlauf::clearFilter() {
    // One read of the journal for all the fields, not one per field.
    const QSignalBlocker blockers[] = {QSignalBlocker(m_ui->cmbStatus), QSignalBlocker(m_ui->chkVon),
                                       QSignalBlocker(m_ui->chkBis)};
    m_ui->txtText->clear();
    m_ui->txtNummer->clear();
    m_ui->cmbStatus->setCurrentIndex(0);
    m_ui->chkVon->setChecked(false);
    m_ui->chkBis->setChecked(false);
    m_ui->dtVon->setEnabled(false);
    m_ui->dtBis->setEnabled(false);
    applyFilter();
}

void frmVerlauf::openCurrent() {
    if (m_model.level() != HistoryModel::Level::Actions)
        return;
    const qint64 action = currentAction();
    if (action <= 0)
        return;
    m_openedFrom = action;
    showResult(m_model.showAction(action, filter()), 0);
}

void frmVerlauf::goBack() {
    if (m_model.level() != HistoryModel::Level::Action)
        return;
    showResult(m_model.showActions(filter()), m_openedFrom);
}

void frmVerlauf::escape() {
    if (m_model.level() == HistoryModel::Level::Action)
        goBack();
    else
        close();
}

void frmVerlauf::showResult(bool ok, qint64 keepKey) {
    const qsizetype rows = m_model.rowCount();
    QString where;
    if (!ok) {
        const QString why = m_journal.isOpen()             ? m_model.lastError()
                            : m_journal.lastError().isEmpty() ? JournalErrors::notOpenText()
                                                              : m_journal.lastError();
        where = QStringLiteral("Der Verlauf kann nicht gelesen werden: ") + why;
    } else if (m_model.level() == HistoryModel::Level::Actions) {
        where = count(rows) + (rows == 1 ? QStringLiteral(" Sendeaktion") : QStringLiteral(" Sendeaktionen"));
    } else {
        const HistoryQuery::Action& a = *m_model.action();
        where = HistoryLabels::kindLabel(a.kind) + QStringLiteral(" vom ") + startedText(a) + QStringLiteral(": ") +
                count(rows) + (rows == 1 ? QStringLiteral(" Zeile") : QStringLiteral(" Zeilen"));
        if (isMass(a))
            where += QStringLiteral(" (") + count(a.entries) + QStringLiteral(" Einträge)");
    }
    if (ok && !m_model.filter().isEmpty())
        where += QStringLiteral(", gefiltert");
    m_ui->lblOrt->setText(where);
    fitColumns();
    const int keep = keepKey != 0 ? m_model.rowOf(keepKey) : -1;
    selectRow(keep >= 0 ? keep : 0);
    updateControls();
}

void frmVerlauf::fitColumns() {
    QHeaderView* header = m_ui->lvVerlauf->horizontalHeader();
    const QFontMetrics rows(m_ui->lvVerlauf->font());
    const QFontMetrics heads(header->font());
    const QStringList sample = samples(m_model.level());
    for (int c = 0; c + 1 < m_model.columnCount() && c < sample.size(); ++c) {
        const int head = heads.horizontalAdvance(m_model.headerData(c, Qt::Horizontal).toString());
        header->resizeSection(c, std::max(head, rows.horizontalAdvance(sample.at(c))) + 3 * heads.averageCharWidth());
    }
}

void frmVerlauf::selectRow(int row) {
    QTableView* table = m_ui->lvVerlauf;
    if (row >= m_model.rowCount())
        return;
    const QModelIndex index = m_model.index(row, 0);
    table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table->scrollTo(index);
}

QList<int> frmVerlauf::resendPlaces() const {
    const qint64 action = currentAction();
    if (action <= 0)
        return {};
    if (m_model.level() == HistoryModel::Level::Actions) {
        const std::optional<HistoryQuery::Action> a = HistoryQuery::action(m_journal.database(), action);
        if (!a || !isMass(*a))
            return {};
    } else if (!isMass(*m_model.action())) {
        return {};
    }
    return HistoryQuery::noAnswerPlaces(m_journal.database(), action);
}

void frmVerlauf::updateControls() {
    const bool inAction = m_model.level() == HistoryModel::Level::Action;
    const bool hasAction = currentAction() > 0;
    m_ui->cmdZurueck->setVisible(inAction);
    m_ui->cmdOeffnen->setEnabled(!inAction && hasAction);
    m_ui->cmdText->setEnabled(hasAction);
    m_ui->cmdExport->setEnabled(m_model.rowCount() > 0);
    m_ui->cmdErneut->setEnabled(!resendPlaces().isEmpty());
}

void frmVerlauf::reuseCurrentText() {
    const qint64 action = currentAction();
    if (action <= 0)
        return;
    const std::optional<HistoryQuery::Action> a =
        m_model.level() == HistoryModel::Level::Action ? m_model.action() : HistoryQuery::action(m_journal.database(), action);
    if (a)
        emit reuseText(a->text);
}

void frmVerlauf::exportShown() {
    const QString path = SaveTarget::choose(QStringLiteral("Verlauf exportieren"), QStringLiteral("Verlauf.csv"),
                                            QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("csv"),
                                            Product::productName());
    if (path.isEmpty())
        return;
    // A hundred thousand rows take a second or two.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray bytes = m_model.csv();
    const HistoryCsv::SaveResult saved =
        bytes.isEmpty() ? HistoryCsv::SaveResult{false, QStringLiteral("Der Verlauf kann nicht gelesen werden.")}
                        : HistoryCsv::save(path, bytes);
    QGuiApplication::restoreOverrideCursor();
    if (!saved.ok)
        Prompts::show(Prompts::Icon::Error, Product::productName(), HistoryCsv::failureText(saved));
}

void frmVerlauf::resendNoAnswer() {
    const qint64 action = currentAction();
    const QList<int> places = resendPlaces();
    if (places.isEmpty())
        return;
    const std::optional<HistoryQuery::Action> a = HistoryQuery::action(m_journal.database(), action);
    const QString n = count(places.size());
    const QString question =
        QStringLiteral("Beim Massenversand vom %1 kam für %2 Nachrichten keine Antwort. Sie wurden vielleicht schon "
                       "zugestellt und berechnet.\r\nMöchten Sie diese %2 Nachrichten erneut senden?")
            .arg(a ? startedText(*a) : QString(), n);
    if (Prompts::show(Prompts::Icon::Question, Product::productName(), question, Prompts::Buttons::YesNo) ==
        Prompts::Answer::Yes)
        emit resendRequested(action, places);
}
