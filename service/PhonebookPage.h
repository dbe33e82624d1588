#pragma once

namespace httplib {
class Server;
}
struct Context;

// Phonebook: the account's private and public phone book as contact links
// ("telefon://" + name + "@" + number) that hand a contact to the client.
void registerPhonebookPage(httplib::Server& server, Context& ctx);
