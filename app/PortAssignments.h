#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <chrono>
#include <functional>
#include <optional>

// What COM1 to COM4 stand for, and where each meaning comes from. As on systems that number
// their serial ports, a COM port is a name that the user, or the teacher for every account of
// a lab computer, gives to a device once: boardsuite/ports.ini, group [ports], keys COM1 … COM4,
// each a device path (a /dev/serial/by-id/… name stays the adapter's own) or "virtual". The
// user's file ($XDG_CONFIG_HOME, else ~/.config) comes before the computer's (each folder of
// $XDG_CONFIG_DIRS in turn, else /etc/xdg); an option --comN before both, the built-in ports
// /dev/ttyS0 … /dev/ttyS3 after them. Group [settle], same keys, holds the wait in
// microseconds that a check of the adapter behind that port measured, in the same order of
// files; --settle comes before it, the driver's default after it.
class PortAssignments {
    Q_DECLARE_TR_FUNCTIONS(PortAssignments)

public:
    static constexpr int Ports = 4;
    static constexpr const char* Virtual = "virtual";
    // The longest settle an option or a file may set: a longer wait before every read would
    // stop the bus, not settle it.
    static constexpr std::chrono::microseconds MostSettle{1'000'000};

    // What COMn stands for when nothing says otherwise: the built-in port /dev/ttyS(n-1).
    static QString builtIn(int commPort);

    enum class Source { Option, UserFile, SystemFile, Default, Chosen };
    struct Assignment {
        QString device;
        Source source = Source::Default;
        QString file;  // the file it was read from, for the two file sources
    };
    // One line naming a file that cannot be read or holds nonsense; the file (or the value) is
    // then ignored.
    using Warning = std::function<void(const QString& line)>;

    // `options`: the devices given as --com1 … --com4, empty where none was given.
    static PortAssignments load(const std::array<QString, Ports>& options, const Warning& warn);

    // COMn for n from 1 to 4.
    const Assignment& of(int commPort) const { return ports_.at(std::size_t(commPort - 1)); }
    // The device of COMn (n from 1); ports above COM4 are /dev/ttyS(n-1).
    QString device(int commPort) const;
    bool anyVirtual() const;
    // The settle remembered for COMn, and the file it comes from; none when no file holds one.
    std::optional<std::chrono::microseconds> settle(int commPort) const { return settles_.at(std::size_t(commPort - 1)); }
    const QString& settleFile(int commPort) const { return settleFiles_.at(std::size_t(commPort - 1)); }
    // COMn stands for `device` from now on in this program: the user chose it.
    void choose(int commPort, const QString& device);

    // "COM1 = /dev/ttyUSB0 (user file /home/ann/.config/boardsuite/ports.ini)"
    QString describe(int commPort) const;

    static QString userFile();
    static QStringList systemFiles();
    // Writes COMn's device into the user's file, keeping what else it holds; false with `error`
    // when the file cannot be written.
    static bool remember(int commPort, const QString& device, QString& error);
    // Writes COMn's settle into the user's file's [settle] group, keeping what else it holds.
    static bool rememberSettle(int commPort, std::chrono::microseconds settle, QString& error);

private:
    std::array<Assignment, Ports> ports_;
    std::array<std::optional<std::chrono::microseconds>, Ports> settles_;
    std::array<QString, Ports> settleFiles_;
};
