#include "app/frmMinimizeNotice.h"

#include "config/Product.h"
#include "config/cOptionen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmMinimizeNotice::frmMinimizeNotice(QWidget* parent)
    : QDialog(parent), m_check(new QCheckBox(QStringLiteral("Diesen Hinweis beim nächsten Mal wieder anzeigen"), this)) {
    setObjectName(QStringLiteral("frmMinimizeNotice"));
    const QString product = Product::productName();
    setWindowTitle(product + QStringLiteral(" Hinweis"));
    auto* layout = new QVBoxLayout(this);
    auto* headline = new QLabel(QStringLiteral("Wo ist ") + product + QStringLiteral("?"), this);
    headline->setObjectName(QStringLiteral("lblHeadline"));
    QFont bold = headline->font();
    bold.setBold(true);
    headline->setFont(bold);
    auto* text = new QLabel(QStringLiteral("Das Programm wurde in den Berich neben der Uhr in Ihrer Taskleiste minimiert. "
                                           "Um das Fenster wieder anzuzeigen klicken Sie einfach auf das Logo."),
                            this);
    text->setObjectName(QStringLiteral("lblText"));
    text->setWordWrap(true);
    m_check->setObjectName(QStringLiteral("chkShowAgain"));
    m_check->setChecked(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    layout->addWidget(headline);
    layout->addWidget(text);
    layout->addWidget(m_check);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(m_check, &QCheckBox::toggled, this, [](bool checked) {
        options().DontDisplayMinimizeWarning = !checked;
        options().save();
    });
    resize(380, 160);
}
