#pragma once
// What is computed and saved from the setup's first name and birth date as
// the session holds them; none of it needs the content window.
#include "core/date.h"
#include "platform/environment.h"
#include "state/session.h"

// The setup's birth date, by the regional settings. A text that does not
// convert raises the conversion error and is remembered as refused until a
// date converts.
core::Date birthDateOfField(Session &session, const platform::Environment &env);

// Computes today's levels from the setup's birth date into the session. A
// date that does not convert raises as above and changes nothing.
void computeTodayLevels(Session &session, const platform::Environment &env);

// The same for the tray's own refreshes, which nobody asked for: a birth date
// already refused raises nothing again and gives false.
bool computeTodayLevelsUnlessRefused(Session &session, const platform::Environment &env);

// Writes the configuration file from the setup's first name and birth date and
// the "Blinking Icons" check.
void saveConfiguration(const Session &session, const platform::Environment &env, bool blinking);
