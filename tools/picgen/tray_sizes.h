#pragma once
// The tray pictures in the further sizes trays ask for ("<name>_<size>").
#include "catalog.h"

void addTraySizes(QList<Picture> &out);
