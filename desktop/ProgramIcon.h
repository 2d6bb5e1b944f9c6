#pragma once

#include <QIcon>
#include <QString>

// A program's icon in every size drawn for it, from the images built into the program (the
// same ones installed in the icon theme under the name `desktopId`). Empty for an unknown id.
QIcon programIcon(const QString& desktopId);
