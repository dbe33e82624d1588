#include "RequestForm.h"

#include "Reply.h"

#include <httplib.h>

std::optional<FormData> requestForm(const httplib::Request& req, httplib::Response& res,
                                    std::initializer_list<const char*> required) {
    return formFromBytes(req.method == "POST" ? std::string_view(req.body) : FormData::queryOf(req.target),
                         res, required);
}

std::optional<FormData> formFromBytes(std::string_view raw, httplib::Response& res,
                                      std::initializer_list<const char*> required) {
    std::string error;
    auto form = FormData::parse(raw, &error);
    if (!form) {
        replyError(res, 400, error);
        return std::nullopt;
    }
    for (const char* name : required) {
        if (!form->value(name)) {
            replyError(res, 400, std::string("Ungültige Anfrage: das Feld \"") + name + "\" fehlt.");
            return std::nullopt;
        }
    }
    return form;
}
