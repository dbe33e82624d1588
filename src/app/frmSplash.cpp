#include "app/frmSplash.h"

#include "config/Product.h"
#include "config/iniHandler.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
int& pauseMs() {
    static int ms = 200;
    return ms;
}
} // namespace

void frmSplash::setStepPauseMs(int ms) {
    pauseMs() = ms;
}
int frmSplash::stepPauseMs() {
    return pauseMs();
}

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_product(new QLabel(this)),
      m_logo(new QLabel(this)), m_version(new QLabel(this)), m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("frmSplash"));
    m_product->setObjectName(QStringLiteral("lblProduct"));
    m_logo->setObjectName(QStringLiteral("imgLogo"));
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_status->setObjectName(QStringLiteral("lblStatus"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1d, 0x3f, 0x6e));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 14);
    m_logo->setAlignment(Qt::AlignCenter);
    QFont big = m_product->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    m_product->setFont(big);
    m_product->setAlignment(Qt::AlignCenter);
    m_product->setText(Product::productName());
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setText(Product::versionLabel());
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(m_logo);
    layout->addWidget(m_product);
    layout->addWidget(m_version);
    layout->addStretch(1);
    layout->addWidget(m_status);

    if (profileExists()) {
        const QString logo = readIniValue(profilePath(), QStringLiteral("Images"), QStringLiteral("Logo"));
        if (!logo.isEmpty()) {
            const QPixmap pixmap(profileFile(logo));
            if (!pixmap.isNull())
                m_logo->setPixmap(pixmap.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }
    // No "Logo" key, no logo: a rebranded copy never shows the built-in picture.
    m_logo->setVisible(!m_logo->pixmap().isNull());
    resize(420, 240);
    if (const QScreen* s = screen())
        move(s->geometry().center() - rect().center());
}

void frmSplash::info(const QString& text) {
    m_status->setText(text);
    m_steps.append(text);
    emit stepShown(text);
    repaint();
    QCoreApplication::processEvents();
    if (pauseMs() > 0) {
        QEventLoop loop;
        QTimer::singleShot(pauseMs(), &loop, &QEventLoop::quit);
        loop.exec();
    }
}
