#pragma once

#include <span>

class CDialog;

// A row of a dialog that a check box switches on and off: the row's operator box and value box
// are enabled only while the box is checked.
struct SwitchedRow {
    int checkBox;
    int operatorBox;
    int valueBox;
};

// Enables or disables the row of this check box from its state; checking it moves the focus to
// the row's value box. A check box that is missing or governs no row changes nothing.
void EnableRowFromCheck(CDialog& dialog, std::span<const SwitchedRow> rows, int checkBox);

// At least one limit must stay on: the OK button is disabled while every row's check box is
// there and unchecked, and enabled otherwise.
void UpdateOkButton(CDialog& dialog, std::span<const SwitchedRow> rows);
