#pragma once

// Makes the open and save file dialogs and the folder browser reachable
// through the prompts seam (Prompts::Dialog::OpenFile, SaveFile, ChooseFolder).
void registerFileDialogs();
