#pragma once

#include "lists/mSignaturen.h"

#include <QObject>

class QListWidget;
class QMenu;
class QAction;
class SmsTextEdit;
class ToolbarButton;

// The signature panel of the main window: the list lvSignaturen, its context
// menu and three toolbar buttons. A double click puts the selected signature
// into the message; every change is stored at once.
class SignatureListController : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QListWidget* list;     // lvSignaturen
        ToolbarButton* add;    // tbAddSignature
        ToolbarButton* edit;   // tbEditSignature
        ToolbarButton* remove; // tbDeleteSignature
        SmsTextEdit* message;  // txtSMS
    };

    SignatureListController(const Fields& fields, QObject* parent = nullptr);

    // Fills the list from the store (the main window load).
    void loadSignatures();

    // The selected signature's 1-based position, 0 when none is selected.
    int selectedPosition() const;

    // The edit window through the prompts seam: empty for a new signature,
    // with the selected one's text for an edit (nothing without a selection).
    void showNew();
    void showEdit();
    // Removes the selected signature without asking.
    void deleteSelected();
    // Puts the selected signature in place of the message's selection, as far
    // as the message's limit allows.
    void insertSelected();

    // The context menu, its entries enabled for the current selection.
    QMenu* contextMenu();
    void popUpContextMenu(const QPoint& globalPos);

    const mSignaturen::SignatureList& signatures() const { return m_signatures; }

private:
    void refresh(int selectPosition);

    Fields m_f;
    mSignaturen::SignatureList m_signatures;
    QMenu* m_menu = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_deleteAction = nullptr;
};
