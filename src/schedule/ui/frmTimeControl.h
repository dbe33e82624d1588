#pragma once

#include "schedule/CCronjob.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class frmTimeControl;
}
class QComboBox;
class QLineEdit;
struct ScheduleChoices;

// The recurrence editor "Terminversand": asks when a message is to be
// delivered and how it repeats, and hands back a schedule record. The rules
// live in RecurrenceRules and CCronjob; this window reads its fields, calls
// them and applies the result.
class frmTimeControl : public QDialog {
    Q_OBJECT
public:
    explicit frmTimeControl(QWidget* parent = nullptr);
    ~frmTimeControl() override;

    // Rebuilds every field for one opening, offering previousStart (the start
    // of the last scheduled send) or else the next five-minute slot.
    void prepare(const QString& previousStart);
    // The record built by "Senden" in this opening; nothing otherwise.
    const std::optional<CCronjob>& result() const { return m_result; }

    ScheduleChoices choices() const;
    Ui::frmTimeControl& ui() { return *m_ui; }

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void connectRules();
    void applyOnChange(QComboBox* field, QString (*rule)(const QString&));
    void leaveField(QObject* field);
    void setText(QComboBox* field, const QString& text);
    void setSeries(bool on);
    void showPattern();
    void applyVariantRules();
    void rebuildYearDays();
    void startPicked();
    void endPicked();
    QDateTime startMoment() const;
    void onSend();

    std::unique_ptr<Ui::frmTimeControl> m_ui;
    std::optional<CCronjob> m_result;
    // Set while the window itself corrects a field, so the correction does
    // not run the field's rules again.
    bool m_applying = false;
};

// Shows the editor modally and returns the record built, or nothing when it
// was left any other way than by a successful "Senden".
std::optional<CCronjob> showTimeControl(const QString& previousStart, QWidget* parent = nullptr);
// Makes the editor reachable through the prompts seam as "timeControl".
void registerTimeControlDialog();
