#pragma once

class QWidget;

// Light red marks a faulty input field; the system's window colour clears it.
void markField(QWidget* field, bool faulty);
bool isFieldMarked(const QWidget* field);
