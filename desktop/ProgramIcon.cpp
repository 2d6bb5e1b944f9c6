#include "ProgramIcon.h"

#include <QDir>
#include <QFile>

QIcon programIcon(const QString& desktopId)
{
    QIcon icon;
    // One folder per size, so that the sizes are listed only where the images are made.
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QString path = sizes.filePath(size + u'/' + desktopId + QStringLiteral(".png"));
        if (QFile::exists(path))
            icon.addFile(path);
    }
    return icon;
}
