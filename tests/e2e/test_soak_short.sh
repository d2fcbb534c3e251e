#!/usr/bin/env bash
# A short soak: three simulated hours with a day change, blinking, hourly refreshes and
# every window opened and closed; files, X resources and timers stay flat.
exec bash "$(dirname "$0")/../soak/run.sh" "$1" 25 2
