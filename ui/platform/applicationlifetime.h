#pragma once

class QApplication;

// The program ends when none of its windows is left, tool windows
// included (Qt on its own does not count those).
void quitWhenNoWindowIsLeft(QApplication &application);
