#pragma once

#include "mass/RecipientEntry.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QThread;
class QWidget;
class frmMultiSMS;

// Import, export and the duplicate check of the MultiSMS window. A file is
// read and its rows normalised on a worker thread, so the window keeps
// answering; the list is changed only at the end, in one step, and only
// after the user chose the columns and whether to replace or append.
class RecipientImporter : public QObject {
    Q_OBJECT
public:
    explicit RecipientImporter(frmMultiSMS& window);
    ~RecipientImporter() override;

    // Key import: asks for a file, then importPath.
    void importFile();
    // A chosen or dropped file. Ignored while an import is under way.
    void importPath(const QString& path);
    bool busy() const { return m_busy; }

    // Key export: the list as CSV.
    void exportFile();

    // Reports entries with the same number and offers to keep only the first
    // of each; keepFileName tells whether the list still belongs to its file.
    void checkDuplicates(bool keepFileName);

    // Lets files be dropped onto the widget (the list view's viewport).
    void acceptDropsOn(QWidget* target);

signals:
    // An import ended: done, refused, cancelled or failed.
    void importFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs work on a worker thread, then then() on this thread.
    template <class Result>
    void runInBackground(std::function<Result()> work, std::function<void(Result)> then);
    void finish();
    void applyImported(const QList<RecipientEntry>& imported, const QString& leftOutText);

    frmMultiSMS& m_window;
    bool m_busy = false;
    QPointer<QThread> m_worker;
};
