#include "IsolatedConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

IsolatedConfig::IsolatedConfig(int systemFolders)
    : systemFolders_(systemFolders), savedHome_(qgetenv("XDG_CONFIG_HOME")), savedDirs_(qgetenv("XDG_CONFIG_DIRS")),
      hadHome_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), hadDirs_(qEnvironmentVariableIsSet("XDG_CONFIG_DIRS"))
{
    QStringList dirs;
    for (int i = 0; i < systemFolders; ++i)
        dirs << dir_.filePath(QStringLiteral("system%1").arg(i));
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("user")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", dirs.join(u':').toLocal8Bit());
}

IsolatedConfig::~IsolatedConfig()
{
    if (hadHome_)
        qputenv("XDG_CONFIG_HOME", savedHome_);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (hadDirs_)
        qputenv("XDG_CONFIG_DIRS", savedDirs_);
    else
        qunsetenv("XDG_CONFIG_DIRS");
}

QString IsolatedConfig::userFile() const { return dir_.filePath(QStringLiteral("user/boardsuite/ports.ini")); }

QString IsolatedConfig::systemFile(int folder) const
{
    return dir_.filePath(QStringLiteral("system%1/boardsuite/ports.ini").arg(folder));
}

void IsolatedConfig::write(const QString& file, const QString& text)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(text.toUtf8());
}

QString IsolatedConfig::read(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}
