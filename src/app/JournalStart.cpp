#include "app/JournalStart.h"

#include "config/Product.h"
#include "history/JournalErrors.h"
#include "history/SendJournal.h"
#include "platform/Prompts.h"

void openJournal(SendJournal& journal, int keepDays) {
    if (!journal.open())
        return;
    if (!journal.movedAsideTo().isEmpty())
        Prompts::show(Prompts::Icon::Warning, Product::productName(), JournalErrors::movedAsideText(journal.movedAsideTo()));
    journal.removeOlderThan(keepDays);
}
