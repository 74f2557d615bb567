#pragma once

#include <QIcon>

// The program's icon in all its sizes, from the resources; the application's window icon
// when the resources hold none.
QIcon programIcon();
