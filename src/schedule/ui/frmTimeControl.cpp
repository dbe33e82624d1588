#include "schedule/ui/frmTimeControl.h"

#include "platform/Prompts.h"
#include "platform/ui/WidgetPrompts.h"
#include "schedule/Clock.h"
#include "schedule/RecurrenceRules.h"
#include "schedule/ScheduleChoices.h"
#include "ui_frmTimeControl.h"

#include <QFocusEvent>
#include <QLayout>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

using namespace RecurrenceRules;

// Heights of the collapsed and the expanded editor.
constexpr int kCollapsedHeight = 215;
constexpr int kExpandedHeight = 480;
// Where the editor opens, from the main window's top-left corner.
const QPoint kOffsetFromOwner(33, 36);
// The page of the options dialog that lists the scheduled sends.
const QString kSchedulePage = QStringLiteral("terminversand");

void fill(QComboBox* combo, const QStringList& items) {
    combo->clear();
    combo->addItems(items);
}

} // namespace

frmTimeControl::frmTimeControl(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmTimeControl>()) {
    m_ui->setupUi(this);
    const auto combos = findChildren<QComboBox*>();
    for (QComboBox* c : combos) {
        // Typed text must neither grow the lists nor be completed to another entry.
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
    }
    for (QComboBox* c :
         {m_ui->cmbTimeHour, m_ui->cmbTimeMinutes, m_ui->cmbMonthDayDate, m_ui->cmbYearlyDayDate})
        c->lineEdit()->setMaxLength(2);
    for (QComboBox* c : {m_ui->cmbMonthWDayMulti, m_ui->cmbYearlyWDayMulti})
        c->lineEdit()->setMaxLength(1);
    connectRules();
    connect(m_ui->lblEditCronSMS, &QLabel::linkActivated, this, [] {
        Prompts::dialog(QString::fromLatin1(Prompts::Dialog::Options),
                        {{QStringLiteral("page"), kSchedulePage}});
    });
    connect(m_ui->cbSend, &QPushButton::clicked, this, &frmTimeControl::onSend);
    connect(m_ui->cbCancel, &QPushButton::clicked, this, [this] {
        m_result.reset();
        reject();
    });
}

frmTimeControl::~frmTimeControl() = default;

void frmTimeControl::connectRules() {
    Ui::frmTimeControl& u = *m_ui;
    connect(u.cmbTimeHour, &QComboBox::editTextChanged, this,
            [this] { applyOnChange(m_ui->cmbTimeHour, hourOnChange); });
    connect(u.cmbTimeMinutes, &QComboBox::editTextChanged, this,
            [this] { applyOnChange(m_ui->cmbTimeMinutes, minuteOnChange); });
    for (QComboBox* c : {u.cmbMonthWDayMulti, u.cmbYearlyWDayMulti})
        connect(c, &QComboBox::editTextChanged, this, [this, c] { applyOnChange(c, occurrenceOnChange); });
    connect(u.cmbYearlyDayDate, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!m_applying)
            setText(m_ui->cmbYearlyDayDate, yearDayOnChange(text, m_ui->cmbYearlyDayDate->count()));
    });
    connect(u.tbSendTimes, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_applying)
            return;
        const QString corrected = countOnChange(text);
        if (corrected != text) {
            QScopedValueRollback guard(m_applying, true);
            m_ui->tbSendTimes->setText(corrected);
        }
    });
    connect(u.cmbYearlyMonthDate, &QComboBox::editTextChanged, this, [this] {
        if (!m_applying)
            rebuildYearDays();
    });

    // A combo box hands its focus events to its line edit directly, past any
    // filter there: leaving is seen on the combo box itself.
    for (QComboBox* c : {u.cmbTimeHour, u.cmbTimeMinutes, u.cmbYearlyDayDate, u.cmbMonthDayDate}) {
        c->installEventFilter(this);
        connect(c->lineEdit(), &QLineEdit::returnPressed, this, [this, c] { leaveField(c); });
    }
    u.tbSendTimes->installEventFilter(this);
    connect(u.tbSendTimes, &QLineEdit::returnPressed, this, [this] { leaveField(m_ui->tbSendTimes); });

    for (QRadioButton* o : {u.obDaly, u.obMonthly, u.obYearly})
        connect(o, &QRadioButton::toggled, this, &frmTimeControl::showPattern);
    for (QRadioButton* o : {u.obSeriesDayly, u.obSeriesWorkDay, u.obSeriesMonthly, u.obSeriesWMonth,
                            u.obSeriesYear, u.obSeriesYearWMonth, u.obEndingTime, u.obEndingDate})
        connect(o, &QRadioButton::toggled, this, &frmTimeControl::applyVariantRules);
    connect(u.cbRepetition, &QCheckBox::toggled, this, &frmTimeControl::setSeries);
    connect(u.DTPickerStart, &QDateEdit::dateChanged, this, &frmTimeControl::startPicked);
    connect(u.DTPickerStop, &QDateTimeEdit::dateTimeChanged, this, &frmTimeControl::endPicked);
}

void frmTimeControl::prepare(const QString& previousStart) {
    Ui::frmTimeControl& u = *m_ui;
    m_result.reset();
    const QDateTime now = Clock::now();
    const QDate today = now.date();
    {
        // Every list first: filling an editable list afterwards would
        // overwrite the text preset in it.
        QScopedValueRollback guard(m_applying, true);
        fill(u.cmbTimeHour, hourList());
        fill(u.cmbTimeMinutes, minuteList());
        fill(u.cmbMonthWDayMulti, occurrenceList());
        fill(u.cmbYearlyWDayMulti, occurrenceList());
        fill(u.cmbMonthDayDate, monthDayList());
        fill(u.cmbYearlyDayDate, monthDayList());
        for (QComboBox* c : {u.cmbMonthWDAy, u.cmbYearlyWDay})
            fill(c, weekdayNames());
        for (QComboBox* c : {u.cmbYearlyMonthDate, u.cmbYearlyWDayMonth})
            fill(c, monthNames());

        const StartPreset preset = presetStart(previousStart, now);
        u.DTPickerStart->setDate(preset.date);
        u.cmbTimeHour->setEditText(preset.hour);
        u.cmbTimeMinutes->setEditText(preset.minute);
        u.DTPickerStop->setDateTime(preset.end);

        const QString day = QString::number(today.day());
        u.cmbMonthDayDate->setEditText(day);
        u.cmbYearlyDayDate->setEditText(day);
        u.cmbMonthWDayMulti->setEditText(weekOfMonth(today.day()));
        u.cmbYearlyWDayMulti->setEditText(weekOfMonth(today.day()));
        u.cmbYearlyMonthDate->setCurrentIndex(today.month() - 1);
        u.cmbYearlyWDayMonth->setCurrentIndex(today.month() - 1);
        u.cmbMonthDayDate->setEditText(day);
        u.cmbMonthWDAy->setCurrentIndex(today.dayOfWeek() - 1);
        u.cmbYearlyWDay->setCurrentIndex(today.dayOfWeek() - 1);
        u.tbSendTimes->setText(QStringLiteral("1"));
    }
    for (QRadioButton* o : {u.obDaly, u.obEndingTime, u.obSeriesDayly, u.obSeriesMonthly, u.obSeriesYear})
        o->setChecked(true);
    rebuildYearDays();
    applyVariantRules();
    u.cbRepetition->setChecked(false);
    setSeries(false);
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().topLeft() + kOffsetFromOwner);
}

ScheduleChoices frmTimeControl::choices() const {
    using C = ScheduleChoices;
    const Ui::frmTimeControl& u = *m_ui;
    C c;
    c.startDate = u.DTPickerStart->date();
    c.hour = u.cmbTimeHour->currentText();
    c.minute = u.cmbTimeMinutes->currentText();
    c.series = u.cbRepetition->isChecked();
    c.pattern = u.obMonthly->isChecked()  ? C::Pattern::Monthly
                : u.obYearly->isChecked() ? C::Pattern::Yearly
                                          : C::Pattern::Daily;
    c.daily = u.obSeriesWorkDay->isChecked() ? C::DailyVariant::Weekdays : C::DailyVariant::EveryDay;
    const QCheckBox* boxes[] = {u.chMon, u.chDie, u.chMit, u.chDon, u.chFre, u.chSam, u.chSon};
    for (int i = 0; i < 7; ++i)
        c.weekdays[i] = boxes[i]->isChecked();
    c.monthly = u.obSeriesWMonth->isChecked() ? C::MonthlyVariant::NthWeekday : C::MonthlyVariant::Day;
    c.monthDay = u.cmbMonthDayDate->currentText();
    c.monthOccurrence = u.cmbMonthWDayMulti->currentText();
    c.monthWeekday = u.cmbMonthWDAy->currentText();
    c.yearly = u.obSeriesYearWMonth->isChecked() ? C::YearlyVariant::NthWeekday : C::YearlyVariant::Date;
    c.yearDay = u.cmbYearlyDayDate->currentText();
    c.yearMonth = u.cmbYearlyMonthDate->currentText();
    c.yearOccurrence = u.cmbYearlyWDayMulti->currentText();
    c.yearWeekday = u.cmbYearlyWDay->currentText();
    c.yearOccurrenceMonth = u.cmbYearlyWDayMonth->currentText();
    c.ending = u.obEndingDate->isChecked() ? C::Ending::OnDate : C::Ending::AfterCount;
    c.count = u.tbSendTimes->text();
    c.endAt = u.DTPickerStop->dateTime();
    return c;
}

bool frmTimeControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Switching windows or opening a list is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveField(watched);
    }
    return QDialog::eventFilter(watched, event);
}

void frmTimeControl::applyOnChange(QComboBox* field, QString (*rule)(const QString&)) {
    if (m_applying)
        return;
    const QString text = field->currentText();
    const QString corrected = rule(text);
    if (corrected != text)
        setText(field, corrected);
}

void frmTimeControl::setText(QComboBox* field, const QString& text) {
    if (field->currentText() == text)
        return;
    QScopedValueRollback guard(m_applying, true);
    field->setEditText(text);
}

void frmTimeControl::leaveField(QObject* field) {
    Ui::frmTimeControl& u = *m_ui;
    if (field == u.cmbTimeHour) {
        setText(u.cmbTimeHour, padOnLeave(u.cmbTimeHour->currentText()));
    } else if (field == u.cmbTimeMinutes) {
        setText(u.cmbTimeMinutes, padOnLeave(u.cmbTimeMinutes->currentText()));
    } else if (field == u.cmbYearlyDayDate) {
        setText(u.cmbYearlyDayDate, yearDayOnLeave(u.cmbYearlyDayDate->currentText(), Clock::now().date()));
    } else if (field == u.cmbMonthDayDate) {
        if (const auto notice = monthDayNotice(u.cmbMonthDayDate->currentText()))
            Prompts::show(Prompts::Icon::Information, noticeTitle(), *notice);
    } else if (field == u.tbSendTimes) {
        QScopedValueRollback guard(m_applying, true);
        u.tbSendTimes->setText(countOnLeave(u.tbSendTimes->text()));
    }
}

void frmTimeControl::setSeries(bool on) {
    Ui::frmTimeControl& u = *m_ui;
    u.boxSerienmuster->setVisible(on);
    u.boxSeriendauer->setVisible(on);
    if (on) {
        // The daily panel and the count come back together with the options
        // that belong to them, so what is shown and what is chosen agree.
        u.obDaly->setChecked(true);
        u.obEndingTime->setChecked(true);
        QScopedValueRollback guard(m_applying, true);
        u.tbSendTimes->setText(QStringLiteral("1"));
    }
    showPattern();
    applyVariantRules();
    layout()->invalidate();
    setFixedHeight(qMax(sizeHint().height(), on ? kExpandedHeight : kCollapsedHeight));
}

void frmTimeControl::showPattern() {
    Ui::frmTimeControl& u = *m_ui;
    u.boxDaily->setVisible(u.obDaly->isChecked());
    u.boxMonthly->setVisible(u.obMonthly->isChecked());
    u.boxYearly->setVisible(u.obYearly->isChecked());
}

void frmTimeControl::applyVariantRules() {
    Ui::frmTimeControl& u = *m_ui;
    const bool everyDay = u.obSeriesDayly->isChecked();
    for (QCheckBox* b : {u.chMon, u.chDie, u.chMit, u.chDon, u.chFre, u.chSam, u.chSon}) {
        if (everyDay)
            b->setChecked(false);
        b->setEnabled(!everyDay);
    }
    u.cmbMonthDayDate->setEnabled(u.obSeriesMonthly->isChecked());
    u.cmbMonthWDayMulti->setEnabled(u.obSeriesWMonth->isChecked());
    u.cmbMonthWDAy->setEnabled(u.obSeriesWMonth->isChecked());
    u.cmbYearlyDayDate->setEnabled(u.obSeriesYear->isChecked());
    u.cmbYearlyMonthDate->setEnabled(u.obSeriesYear->isChecked());
    u.cmbYearlyWDayMulti->setEnabled(u.obSeriesYearWMonth->isChecked());
    u.cmbYearlyWDay->setEnabled(u.obSeriesYearWMonth->isChecked());
    u.cmbYearlyWDayMonth->setEnabled(u.obSeriesYearWMonth->isChecked());
    u.tbSendTimes->setEnabled(u.obEndingTime->isChecked());
    u.DTPickerStop->setEnabled(u.obEndingDate->isChecked());
}

void frmTimeControl::rebuildYearDays() {
    Ui::frmTimeControl& u = *m_ui;
    const auto days = yearDays(u.cmbYearlyDayDate->currentText(), u.cmbYearlyMonthDate->currentText(),
                               u.cmbTimeHour->currentText(), u.cmbTimeMinutes->currentText(), Clock::now());
    if (!days)
        return; // not a month name: the list stays as it is
    QScopedValueRollback guard(m_applying, true);
    fill(u.cmbYearlyDayDate, monthDayList().mid(0, days->count));
    u.cmbYearlyDayDate->setEditText(days->day);
}

QDateTime frmTimeControl::startMoment() const {
    QTime at(m_ui->cmbTimeHour->currentText().toInt(), m_ui->cmbTimeMinutes->currentText().toInt());
    return QDateTime(m_ui->DTPickerStart->date(), at.isValid() ? at : QTime(0, 0));
}

void frmTimeControl::startPicked() {
    if (m_applying)
        return;
    QScopedValueRollback guard(m_applying, true);
    m_ui->DTPickerStart->setDate(RecurrenceRules::startPicked(m_ui->DTPickerStart->date(), Clock::now()));
    // An end the start has moved past follows it.
    m_ui->DTPickerStop->setDateTime(endFollowingStart(m_ui->DTPickerStop->dateTime(), startMoment()));
}

void frmTimeControl::endPicked() {
    if (m_applying)
        return;
    QScopedValueRollback guard(m_applying, true);
    m_ui->DTPickerStop->setDateTime(endFollowingStart(m_ui->DTPickerStop->dateTime(), startMoment()));
}

void frmTimeControl::onSend() {
    Ui::frmTimeControl& u = *m_ui;
    // Pressing "Senden" (Enter, or a click on a button that takes no focus)
    // leaves the field being edited; its corrections apply before the build
    // reads the fields. A field the user never entered stays as it stands.
    const QWidget* focus = focusWidget();
    for (QWidget* field :
         std::initializer_list<QWidget*>{u.cmbTimeHour, u.cmbTimeMinutes, u.cmbYearlyDayDate, u.tbSendTimes}) {
        if (focus && (focus == field || field->isAncestorOf(focus)))
            leaveField(field);
    }
    const CCronjob::Build b = CCronjob::build(choices());
    for (const Prompts::Message& m : b.messages)
        Prompts::show(m.icon, m.title, m.text, m.buttons);
    if (!b.close)
        return;
    m_result = b.record;
    accept();
}

std::optional<CCronjob> showTimeControl(const QString& previousStart, QWidget* parent) {
    frmTimeControl dialog(parent);
    dialog.prepare(previousStart);
    dialog.exec();
    return dialog.result();
}

void registerTimeControlDialog() {
    WidgetPrompts::instance().registerDialog(
        QString::fromLatin1(Prompts::Dialog::TimeControl),
        [](QWidget* parent, const QVariantMap& args) -> QVariant {
            const auto record = showTimeControl(args.value(QStringLiteral("lastStart")).toString(), parent);
            return record ? record->toVariant() : QVariant();
        });
}
