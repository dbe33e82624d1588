#include "widgets/Browser.h"

#include "config/CUrlStore.h"
#include "config/Product.h"
#include "platform/Prompts.h"
#include "platform/ui/DesktopShell.h"

bool openInBrowser(const QString& target) {
    if (DesktopShell::openTarget(target))
        return true;
    Prompts::show(Prompts::Icon::Error, Product::productName(),
                  QStringLiteral("Der Webbrowser konnte nicht geöffnet werden.\r\n"
                                 "Um zum Webinterface zu gelangen öffnen Sie bitte ") +
                      urlStore().getHomepage() + QStringLiteral("."));
    return false;
}
