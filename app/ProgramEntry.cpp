#include "ProgramEntry.h"

QString desktopIdOf(const char* name)
{
    return QStringLiteral(BOARD_SUITE_ID_PREFIX ".") + QString::fromLatin1(name);
}
