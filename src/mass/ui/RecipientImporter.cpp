#include "mass/ui/RecipientImporter.h"

#include "config/Product.h"
#include "mass/CsvExport.h"
#include "mass/DuplicateCheck.h"
#include "mass/RecipientImport.h"
#include "mass/ui/frmMultiSMS.h"
#include "platform/Prompts.h"
#include "platform/SaveTarget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QThread>
#include <QUrl>

#include <memory>

namespace {

constexpr int kShownRows = 10;

QString title() {
    return Product::productName();
}

QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

RecipientImporter::RecipientImporter(frmMultiSMS& window) : QObject(&window), m_window(window) {}

RecipientImporter::~RecipientImporter() {
    // A worker still reading a file finishes on its own; nothing waits for it.
    if (m_worker)
        m_worker->disconnect(this);
}

template <class Result>
void RecipientImporter::runInBackground(std::function<Result()> work, std::function<void(Result)> then) {
    auto result = std::make_shared<Result>();
    QThread* thread = QThread::create([work = std::move(work), result] { *result = work(); });
    m_worker = thread;
    connect(thread, &QThread::finished, this, [result, then = std::move(then)] { then(std::move(*result)); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void RecipientImporter::importFile() {
    if (m_busy || m_window.editingLocked())
        return;
    const QString path =
        Prompts::dialog(
            QString::fromLatin1(Prompts::Dialog::OpenFile),
            {{QStringLiteral("title"), QStringLiteral("Empfänger importieren")},
             {QStringLiteral("filter"),
              QStringLiteral("CSV- und vCard-Dateien (*.csv *.tsv *.txt *.vcf);;All Files (*.*)")}})
            .toString();
    if (!path.isEmpty())
        importPath(path);
}

void RecipientImporter::importPath(const QString& path) {
    if (m_busy || m_window.editingLocked())
        return;
    m_busy = true;
    m_window.setCursor(Qt::BusyCursor);
    runInBackground<RecipientImport::Source>(
        [path] { return RecipientImport::read(path); },
        [this](RecipientImport::Source source) {
            if (!source.error.isEmpty()) {
                Prompts::show(Prompts::Icon::Warning, title(), source.error);
                finish();
                return;
            }
            ImportMapping mapping;
            if (source.kind == RecipientImport::Source::Kind::Vcard) {
                mapping = RecipientImport::vcardMapping();
            } else {
                mapping = RecipientImport::initialMapping(source.table);
                QVariantList rows;
                for (qsizetype r = 0; r < std::min<qsizetype>(source.table.rows.size(), kShownRows + 1); ++r)
                    rows.append(source.table.rows.at(r));
                const QVariant chosen = Prompts::dialog(
                    QString::fromLatin1(Prompts::Dialog::ImportMapping),
                    {{QStringLiteral("rows"), rows}, {QStringLiteral("mapping"), mapping.toVariant()}});
                if (!chosen.isValid()) {
                    finish();
                    return;
                }
                mapping = ImportMapping::fromVariant(chosen.toMap());
                if (mapping.header)
                    ImportMappingRules::remember(source.table.rows.first(), mapping);
            }
            auto table = std::make_shared<CsvImport::Table>(std::move(source.table));
            runInBackground<RecipientImport::Result>(
                [table, mapping] { return RecipientImport::apply(*table, mapping); },
                [this](RecipientImport::Result result) {
                    applyImported(result.entries, RecipientImport::leftOutText(result.leftOut));
                });
        });
}

void RecipientImporter::applyImported(const QList<RecipientEntry>& imported, const QString& leftOutText) {
    if (imported.isEmpty()) {
        QString text = RecipientImport::noRecipientText();
        if (!leftOutText.isEmpty())
            text += QStringLiteral("\r\n\r\n") + leftOutText;
        Prompts::show(Prompts::Icon::Warning, title(), text);
        finish();
        return;
    }
    // A run started meanwhile walks the list: it is not changed under it.
    if (m_window.editingLocked()) {
        finish();
        return;
    }
    const QList<RecipientEntry>& current = m_window.list().entries();
    bool append = false;
    if (!current.isEmpty()) {
        Prompts::Message m;
        m.icon = Prompts::Icon::Question;
        m.title = title();
        m.text =
            QStringLiteral("Die Liste enthält bereits %1 Einträge.\r\nSollen die %2 importierten Empfänger "
                           "die Liste ersetzen oder an sie angehängt werden?")
                .arg(current.size())
                .arg(imported.size());
        m.buttons = Prompts::Buttons::YesNoCancel;
        m.captions = {QStringLiteral("Ersetzen"), QStringLiteral("Anhängen"), QStringLiteral("Abbrechen")};
        const Prompts::Answer a = Prompts::show(m);
        if (a != Prompts::Answer::Yes && a != Prompts::Answer::No) {
            finish();
            return;
        }
        append = a == Prompts::Answer::No;
    }
    // The imported list belongs to no file: the next save asks for a name.
    m_window.setEntries(append ? current + imported : imported, false);
    if (!leftOutText.isEmpty())
        Prompts::show(Prompts::Icon::Warning, title(), leftOutText);
    checkDuplicates(false);
    finish();
}

void RecipientImporter::finish() {
    m_busy = false;
    m_window.unsetCursor();
    emit importFinished();
}

void RecipientImporter::checkDuplicates(bool keepFileName) {
    const QList<RecipientEntry> entries = m_window.list().entries();
    const QList<int> duplicates = DuplicateCheck::laterDuplicates(entries);
    if (duplicates.isEmpty())
        return;
    if (Prompts::show(Prompts::Icon::Question, title(), DuplicateCheck::questionText(duplicates.size()),
                      Prompts::Buttons::YesNo) == Prompts::Answer::Yes)
        m_window.setEntries(DuplicateCheck::withoutRows(entries, duplicates), keepFileName);
}

void RecipientImporter::exportFile() {
    const QString path = SaveTarget::choose(QStringLiteral("Liste exportieren"), QString(),
                                            QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("csv"), title());
    if (path.isEmpty())
        return;
    if (!CsvExport::save(path, m_window.list().entries()))
        Prompts::show(Prompts::Icon::Error, title(),
                      QStringLiteral("Die Liste konnte nicht exportiert werden."));
}

void RecipientImporter::acceptDropsOn(QWidget* target) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool RecipientImporter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!droppedFile(drag->mimeData()).isEmpty() && !m_busy && !m_window.editingLocked()) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (!path.isEmpty()) {
            drop->acceptProposedAction();
            importPath(path);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
