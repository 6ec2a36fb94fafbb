#pragma once
// Form-state entries applied to a window: restoring gives the window (or the controls the
// entries name) the remembered values, saving stores their current values. Windows
// restore when they are created and save when they close or are destroyed.

#include <QStringList>

class QWidget;

// Entries naming a missing component or property, or a value that does not fit the
// property, are skipped.
void RestoreFormState(QWidget* window, const QStringList& entries);
void SaveFormState(const QWidget* window, const QStringList& entries);
