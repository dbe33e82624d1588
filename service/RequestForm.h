#pragma once

#include "FormData.h"

#include <initializer_list>
#include <optional>
#include <string_view>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

// The fields of a request: the query for GET, the body for POST. When the
// request cannot be read, or lacks one of the required fields, the 400 reply
// is already set and nothing is returned.
std::optional<FormData> requestForm(const httplib::Request& req, httplib::Response& res,
                                    std::initializer_list<const char*> required = {});

// The same for bytes read by the handler itself (a POST body taken through a
// content reader).
std::optional<FormData> formFromBytes(std::string_view raw, httplib::Response& res,
                                      std::initializer_list<const char*> required = {});
