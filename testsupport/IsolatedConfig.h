#pragma once

#include <QString>
#include <QTemporaryDir>

// While it lives, the user's and the computer's configuration folders (XDG_CONFIG_HOME and
// XDG_CONFIG_DIRS) are folders of its own, empty at first: a test that starts a program without
// naming its ports with --comN reads and writes no one's real port assignments.
class IsolatedConfig {
public:
    // `systemFolders`: how many folders XDG_CONFIG_DIRS names, the first the most important.
    explicit IsolatedConfig(int systemFolders = 2);
    ~IsolatedConfig();
    IsolatedConfig(const IsolatedConfig&) = delete;
    IsolatedConfig& operator=(const IsolatedConfig&) = delete;

    QString userFile() const;
    QString systemFile(int folder = 0) const;
    // Writes `text` into the file, making its folder.
    static void write(const QString& file, const QString& text);
    static QString read(const QString& file);
    // A path in the test's folder that no device is behind.
    QString missingDevice() const { return dir_.filePath(QStringLiteral("no-such-adapter")); }

private:
    QTemporaryDir dir_;
    int systemFolders_;
    QByteArray savedHome_, savedDirs_;
    bool hadHome_, hadDirs_;
};
