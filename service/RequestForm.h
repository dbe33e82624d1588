#pragma once

#include "FormData.h"

#include <initializer_list>
#include <optional>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

// The fields of a request: the query for GET, the body for POST. When the
// request cannot be read, or lacks one of the required fields, the 400 reply
// is already set and nothing is returned.
std::optional<FormData> requestForm(const httplib::Request& req, httplib::Response& res,
                                    std::initializer_list<const char*> required = {});
