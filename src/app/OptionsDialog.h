#pragma once

class frmOptionen;

// Puts the Outlook section on the options dialog's page "Outlook Integration".
void hostOutlookSection(frmOptionen& dialog);

// Makes the options dialog reachable through the prompts seam ("options",
// args: page 2 "absender", 3 "credits", 4 "terminversand", else 1), and has
// every options dialog opened from now on carry the Outlook section.
void registerOptionsDialog();
