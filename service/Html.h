#pragma once

#include <string>
#include <string_view>

// Building blocks of the service's pages. Pages are built as UTF-8 and sent
// as Windows-1252 (see Reply.h); every value that came from a user goes
// through escape().
namespace html {

// "&", "<", ">", '"' and "'" as entities; a character that Windows-1252
// cannot hold as a numeric reference, so it survives the page's encoding.
std::string escape(std::string_view text);

// "#RRGGBB" for a "backcolor" value of six hexadecimal digits, else "".
std::string backColor(std::string_view value);

// The target of a contact link: "telefon://" + name with each blank as
// "%20" and each "@" as "(at)" + "@" + number, escaped for an attribute.
std::string contactHref(std::string_view name, std::string_view number);

std::string hiddenField(std::string_view name, std::string_view value);

// The link that closes the client's window showing the page.
std::string closeLink();

struct Page {
    std::string title;
    std::string backColor; // from backColor(), may be empty
    std::string body;      // HTML
};

// A whole document declaring charset windows-1252.
std::string render(const Page& page);

// What a page shows when e-mail and password do not match an account.
std::string loginFailedBody();

} // namespace html
