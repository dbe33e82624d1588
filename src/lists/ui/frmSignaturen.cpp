#include "lists/ui/frmSignaturen.h"

#include "platform/ui/WidgetPrompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmSignaturen::frmSignaturen(QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this)), m_count(new QLineEdit(this)) {
    setObjectName(QStringLiteral("frmSignaturen"));
    setWindowTitle(QStringLiteral("Signaturen verwalten"));
    setModal(true);

    auto* header = new QLabel(QStringLiteral("Signaturen bearbeiten"), this);
    header->setObjectName(QStringLiteral("lblHeader"));
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    auto* prompt = new QLabel(QStringLiteral("Geben Sie hier den Text der Signatur ein."), this);
    prompt->setObjectName(QStringLiteral("lblPrompt"));

    auto* textLabel = new QLabel(QStringLiteral("Signatur"), this);
    textLabel->setBuddy(m_text);
    m_text->setObjectName(QStringLiteral("txtSignatur"));
    m_text->setTabChangesFocus(true);
    m_count->setObjectName(QStringLiteral("txtZeichen"));
    m_count->setReadOnly(true);
    m_count->setMaximumWidth(80);
    m_count->setText(QStringLiteral("0"));
    auto* countLabel = new QLabel(QStringLiteral("Zeichen"), this);
    countLabel->setBuddy(m_count);

    auto* save = new QPushButton(QStringLiteral("&Speichern"), this);
    save->setObjectName(QStringLiteral("cmdSpeichern"));
    save->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(countLabel);
    bottom->addWidget(m_count);
    bottom->addStretch(1);
    bottom->addWidget(save);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(prompt);
    layout->addWidget(textLabel);
    layout->addWidget(m_text, 1);
    layout->addLayout(bottom);
    resize(420, 260);

    connect(m_text, &QPlainTextEdit::textChanged, this,
            [this] { m_count->setText(QString::number(m_text->toPlainText().size())); });
    connect(save, &QPushButton::clicked, this, [this] {
        m_saved = true;
        accept();
    });
    m_text->setFocus();
}

void frmSignaturen::setText(const QString& text) {
    m_text->setPlainText(text);
    m_text->moveCursor(QTextCursor::End);
}

QString frmSignaturen::text() const {
    return m_text->toPlainText();
}

QVariant editSignature(const QString& text, QWidget* parent) {
    frmSignaturen dialog(parent);
    // A line break is one character here, as in the message field.
    dialog.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    dialog.exec();
    return dialog.saved() ? QVariant(dialog.text()) : QVariant();
}

void registerSignatureDialog() {
    WidgetPrompts::instance().registerDialog(QString::fromLatin1(Prompts::Dialog::Signature),
                                             [](QWidget* parent, const QVariantMap& args) -> QVariant {
                                                 return editSignature(
                                                     args.value(QStringLiteral("text")).toString(), parent);
                                             });
}
