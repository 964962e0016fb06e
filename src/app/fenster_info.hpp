#pragma once
// The version grid of the about panel.
class QTableWidget;

// Reads the running program's version information and fills the 17 rows of
// the grid: label in column 0, value in column 1.
void Versionsinfo_Anzeigen(QTableWidget* grid);
