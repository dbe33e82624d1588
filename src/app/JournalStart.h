#pragma once

class SendJournal;

// Opens the send journal as the main window loads: tells the user once when
// a broken file had to be moved aside, and drops what is older than the days
// the options keep. A journal that cannot be opened is reported by each send.
void openJournal(SendJournal& journal, int keepDays);
