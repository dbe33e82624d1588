#pragma once

// Makes the open and save file dialogs reachable through the prompts seam
// (Prompts::Dialog::OpenFile, Prompts::Dialog::SaveFile).
void registerFileDialogs();
