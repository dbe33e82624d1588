#pragma once

#include "messaging/MessageText.h"

#include <QObject>

class HeaderArea;
class QFrame;
class QLineEdit;
class QWidget;
class SmsTextEdit;
class ToolbarButton;
struct SendContext;

// The message field of the main window with its counters, the 1500-character
// limit on the send button, and the placeholder buttons of mass mode.
class MessageEditor : public QObject {
    Q_OBJECT
public:
    struct Fields {
        SmsTextEdit* text;           // txtSMS
        QLineEdit* size;             // txtZeichen
        QLineEdit* count;            // txtAnzahlSMS
        QLineEdit* massSize;         // txtZeichenMultiSMS
        QLineEdit* perMessage;       // txtAnzahlProNachricht
        QLineEdit* massCount;        // txtAnzahlMultiSMS
        QWidget* sendButton;         // tbSend
        QFrame* reuseBox;            // boxReuseLastSMS
        ToolbarButton* replaceName;  // tbReplaceName
        ToolbarButton* replaceFrei1; // tbReplaceFrei1
        ToolbarButton* replaceFrei2; // tbReplaceFrei2
    };
    using ListFigures = MessageText::ListFigures;

    MessageEditor(const Fields& fields, SendContext& context, HeaderArea& header, QObject* parent = nullptr);

    // The mass-SMS list changed (or mass mode came or went): recount with its figures.
    void setListFigures(const ListFigures& figures);
    SmsTextEdit* textField() const { return m_f.text; }

    void recalcSmsSize();
    // The text-change reaction: hides the reuse offer, recounts.
    void onTextChanged();
    void insertPlaceholder(const QString& placeholder);

private:
    Fields m_f;
    SendContext& m_context;
    HeaderArea& m_header;
    ListFigures m_figures;
};
