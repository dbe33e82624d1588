#pragma once

#include "config/Colours.h"

class QWidget;

// Paints an input field's background (and a drop-down's button) in the colour.
void colourField(QWidget* field, WinColor colour);

// Light red marks a faulty input field; the system's window colour clears it.
void markField(QWidget* field, bool faulty);
bool isFieldMarked(const QWidget* field);
