#pragma once

#include <QObject>

#include <functional>

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
    // The mass-SMS list's figures, where a list exists.
    struct ListFigures {
        int maxName = 0;
        int maxFrei1 = 0;
        int maxFrei2 = 0;
        int entries = 0;
    };

    MessageEditor(const Fields& fields, SendContext& context, HeaderArea& header, QObject* parent = nullptr);

    void setListFigures(std::function<ListFigures()> f) { m_figures = std::move(f); }
    SmsTextEdit* textField() const { return m_f.text; }

    void recalcSmsSize();
    // The text-change reaction: hides the reuse offer, recounts.
    void onTextChanged();
    void insertPlaceholder(const QString& placeholder);

private:
    Fields m_f;
    SendContext& m_context;
    HeaderArea& m_header;
    std::function<ListFigures()> m_figures;
};
