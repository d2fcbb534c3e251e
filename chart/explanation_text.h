#pragma once
#include <QStringList>

// The fixed text of the explanation panel's memo: seven sections separated by
// blank lines, ending with an empty line.
const QStringList &explanationLines();
