#pragma once

#include "history/HistoryFilter.h"
#include "history/HistoryModel.h"

#include <QList>
#include <QTimer>
#include <QWidget>

#include <memory>

class SendJournal;

namespace Ui {
class frmVerlauf;
}

// "Verlauf": the send actions on record, newest first, with their counts;
// a row opens to the requests and entries of that action. Filters, export
// and resending act on what is shown. The window only reads the journal:
// what to send again it hands on by resendRequested.
class frmVerlauf : public QWidget {
    Q_OBJECT
public:
    explicit frmVerlauf(SendJournal& journal, QWidget* parent = nullptr);
    ~frmVerlauf() override;

    HistoryModel& model() { return m_model; }
    // The filter the fields hold now.
    HistoryFilter filter() const;

    static QString title(); // "Verlauf"

public slots:
    // Reads the journal again, keeping the level, the filter and the row.
    void refresh();
    // The rows of the action in the current row; only from the list of actions.
    void openCurrent();
    // Back to the list of actions, at the action that was open.
    void goBack();
    void reuseCurrentText();
    void exportShown();
    void resendNoAnswer();

signals:
    // "Text wiederverwenden": the text of the action, for the message field.
    void reuseText(const QString& text);
    // The entries of a mass run that got no answer, after the user agreed.
    void resendRequested(qint64 action, const QList<int>& places);

private:
    void applyFilter();
    void showResult(bool ok, qint64 keepKey);
    void selectRow(int row);
    void fitColumns();
    void updateControls();
    void clearFilter();
    // The action the buttons act on: the one open, or the one in the current row.
    qint64 currentAction() const;
    QList<int> resendPlaces() const;
    void escape();

    std::unique_ptr<Ui::frmVerlauf> m_ui;
    SendJournal& m_journal;
    HistoryModel m_model;
    QTimer m_typing;
    qint64 m_openedFrom = 0;
};
