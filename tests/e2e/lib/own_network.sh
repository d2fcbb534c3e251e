#!/usr/bin/env bash
# Runs a command in a network namespace of its own, with its loopback up, when this user may
# make one (root). Calvoro's single-instance lock is per user and per network namespace, so
# this keeps each test's copies apart from other tests' and from a Calvoro the user runs.
if [ "$(id -u)" = 0 ] && command -v unshare >/dev/null && command -v ip >/dev/null &&
  unshare -n true 2>/dev/null; then
  exec unshare -n sh -c 'ip link set lo up && exec "$@"' sh "$@"
fi
exec "$@"
