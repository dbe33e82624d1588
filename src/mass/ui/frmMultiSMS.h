#pragma once

#include "mass/RecipientList.h"
#include "mass/ui/MultiSMSToolbar.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class RecipientImporter;
class RecipientMarksModel;
class RecipientPreview;
class RecipientTableModel;
namespace Ui {
class frmMultiSMS;
}

// The mass-SMS window "MultiSMS": the recipient list with its input fields,
// the data file and the figures the main window measures its text with. It
// sits against the right edge of the main window; closing it ends mass mode.
class frmMultiSMS : public QWidget {
    Q_OBJECT
public:
    explicit frmMultiSMS(QWidget* parent = nullptr);
    ~frmMultiSMS() override;

    RecipientList& list() { return m_list; }
    const RecipientList& list() const { return m_list; }
    QString fileName() const;

    // The key openWeb asks for the web-group choice; it stays disabled until
    // someone offers one.
    void setWebGroupsAvailable(bool available);
    // While a mass run walks the list: no adding, editing, deleting, new or opening.
    void setEditingLocked(bool locked);
    bool editingLocked() const { return m_locked; }
    // A loaded web group: replaces the list in one step; the file name no
    // longer belongs to the list and is cleared.
    void replaceEntries(const QList<RecipientEntry>& entries);
    // Replaces the list in one step; the file name stays only when told.
    void setEntries(const QList<RecipientEntry>& entries, bool keepFileName);
    // The main window's message: the preview and the marks of longer messages follow it.
    void setMessage(const QString& text, bool longSms);
    RecipientImporter& importer() { return *m_importer; }
    // Right edge of the main window, tops aligned; follows it when it moves or resizes.
    void placeBeside(QWidget* mainWindow);
    // Closes the window without closedByUser (the main window is closing).
    void closeQuietly();

    // Empties the input fields and the list; the tag counter goes to 0, the file name stays.
    void Clear();
    // Shows the number of entries and has the main window re-measure. The
    // maxima themselves are kept current by every change of the list.
    void recalcMaxSizes();
    quint16 getMaxNameSize() const { return m_list.getMaxNameSize(); }
    quint16 getMaxFrei1Size() const { return m_list.getMaxFrei1Size(); }
    quint16 getMaxFrei2Size() const { return m_list.getMaxFrei2Size(); }

    // The keys of the two bars and the double click on an entry.
    void addEntry();
    void storeEditedEntry();
    void deleteSelected();
    void newList();
    void openFile();
    void saveFile();
    void editRow(int row);

signals:
    // After recalcMaxSizes: the main window re-measures its text.
    void maxSizesChanged();
    void openWebRequested();
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearInputs();
    void setEditing(bool editing);
    void onNumberChanged();
    void followMainWindow();
    bool writeTo(const QString& path);
    void updateActions();
    void updatePreview();

    std::unique_ptr<Ui::frmMultiSMS> m_ui;
    RecipientList m_list;
    RecipientTableModel* m_model;
    RecipientMarksModel* m_marks;
    RecipientPreview* m_preview;
    RecipientImporter* m_importer;
    QString m_message;
    bool m_longSms = false;
    MultiSMSActions m_actions;
    bool m_webGroups = false;
    QPointer<QWidget> m_mainWindow;
    // Tag of the entry being edited, 0 while adding.
    qint32 m_editTag = 0;
    bool m_locked = false;
    bool m_quietClose = false;
};
