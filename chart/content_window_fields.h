#pragma once
// The setup's fields as the rest of the program reads them, and what is
// computed and saved from them.
#include "core/date.h"

#include <QString>

// The setup's first name and birth date as the window's fields hold them: the tooltips, the level
// computations and the saves read them here. Until the window is made, what a load gives the fields
// is kept here, and the window takes it over when it is made.
QString fieldFirstName();
QString fieldBirthDate();
// A load: the first name, the birth date and the projection date for the
// fields, then today's levels on the power panel.
void loadFields(const QString &firstName, const QString &birthDate, const QString &projectionDate);
void showTodayPowerOnPanel();
// Forgets what a load kept and the refused date: a fresh set of windows.
void resetFields();

// The birth date in the setup's field, by the regional settings. A text that
// does not convert raises the conversion error and is remembered as refused
// until a date converts.
core::Date birthDateOfField();

// Computes today's levels from the birth date in the setup's field into the
// shared values. A date that does not convert raises as above and changes
// nothing.
void computeTodayLevels();

// The same for the tray's own refreshes, which nobody asked for: a birth date
// already refused raises nothing again and gives false.
bool computeTodayLevelsUnlessRefused();

// Writes the configuration file from the setup's two fields and the
// "Blinking Icons" check.
void saveConfiguration(bool blinking);
