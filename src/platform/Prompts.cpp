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
    return show(Message{icon, title, text, buttons});
}

Answer show(const Message& message) {
    if (!current()) {
        const Buttons buttons = message.buttons;
        return buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No);
    }
    return current()->message(message);
}

QVariant dialog(const QString& name, const QVariantMap& args) {
    if (!current())
        return {};
    return current()->dialog(name, args);
}

} // namespace Prompts
