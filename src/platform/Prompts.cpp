#include "platform/Prompts.h"

namespace {
Prompts::Handler*& current() {
    static Prompts::Handler* handler = nullptr;
    return handler;
}
} // namespace

namespace Prompts {

void install(Handler* handler) { current() = handler; }

Handler* installed() { return current(); }

Answer show(Icon icon, const QString& title, const QString& text, Buttons buttons) {
    if (!current())
        return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No);
    return current()->message(Message{icon, title, text, buttons});
}

QVariant dialog(const QString& name, const QVariantMap& args) {
    if (!current())
        return {};
    return current()->dialog(name, args);
}

} // namespace Prompts
