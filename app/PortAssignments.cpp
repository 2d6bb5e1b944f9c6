#include "PortAssignments.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

namespace {

const QString Group = QStringLiteral("ports");
const QString SettleGroup = QStringLiteral("settle");
const QString FileName = QStringLiteral("boardsuite/ports.ini");

QString portKey(int commPort) { return QStringLiteral("COM%1").arg(commPort); }

QString environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? QString::fromLocal8Bit(value) : QString();
}

// A file of port assignments, opened: none when it is missing, or when it cannot be read or
// parsed (then named and ignored whole).
std::unique_ptr<QSettings> openFile(const QString& path, const PortAssignments::Warning& warn)
{
    QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return nullptr;
    if (!info.isFile() || !info.isReadable()) {
        warn(PortAssignments::tr("%1: cannot be read; ignored").arg(path));
        return nullptr;
    }
    auto file = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (file->status() != QSettings::NoError) {
        warn(PortAssignments::tr("%1: not an INI file; ignored").arg(path));
        return nullptr;
    }
    return file;
}

// The keys COM1 … COM4 of `group` in a file, by port number, each value as `accept` takes it;
// a value it refuses (saying why in `why`) is named and ignored alone.
template <class Value>
std::map<int, Value> readGroup(QSettings& file, const QString& group, const PortAssignments::Warning& warn,
                               const std::function<std::optional<Value>(const QVariant&, QString& why)>& accept)
{
    std::map<int, Value> found;
    const QString path = file.fileName();
    file.beginGroup(group);
    for (const QString& key : file.childKeys()) {
        int port = 0;
        for (int n = 1; n <= PortAssignments::Ports; ++n)
            if (key.compare(portKey(n), Qt::CaseInsensitive) == 0)
                port = n;
        if (port == 0) {
            //: %1 is the file, %2 the group ("ports" or "settle"), %3 the key.
            warn(PortAssignments::tr("%1: [%2] %3 is not one of COM1 to COM4; ignored").arg(path, group, key));
            continue;
        }
        const QVariant value = file.value(key);
        QString why;
        std::optional<Value> accepted = accept(value, why);
        if (!accepted) {
            //: %1 is the file, %2 the group, %3 the key, %4 its value, %5 what the value is (completing "is").
            warn(PortAssignments::tr("%1: [%2] %3 = \"%4\" is %5; ignored")
                     .arg(path, group, key, value.toStringList().join(u','), why));
            continue;
        }
        found[port] = *accepted;
    }
    file.endGroup();
    return found;
}

std::map<int, QString> readPorts(QSettings& file, const PortAssignments::Warning& warn)
{
    return readGroup<QString>(file, Group, warn, [](const QVariant& value, QString& why) -> std::optional<QString> {
        const QString device = value.typeId() == QMetaType::QString ? value.toString().trimmed() : QString();
        if (device != QLatin1String(PortAssignments::Virtual) && !device.startsWith(u'/')) {
            //: Completes "… = value is"; 'virtual' is the word a file writes and stays as it is.
            why = PortAssignments::tr("neither a device path nor 'virtual'");
            return std::nullopt;
        }
        return device;
    });
}

std::map<int, std::chrono::microseconds> readSettles(QSettings& file, const PortAssignments::Warning& warn)
{
    return readGroup<std::chrono::microseconds>(
        file, SettleGroup, warn, [](const QVariant& value, QString& why) -> std::optional<std::chrono::microseconds> {
            bool number = false;
            const long long us = value.typeId() == QMetaType::QString ? value.toString().trimmed().toLongLong(&number) : -1;
            if (!number || us < 0 || us > PortAssignments::MostSettle.count()) {
                //: Completes "… = value is".
                why = PortAssignments::tr("not a number of microseconds from 0 to %1").arg(PortAssignments::MostSettle.count());
                return std::nullopt;
            }
            return std::chrono::microseconds(us);
        });
}

} // namespace

QString PortAssignments::userFile()
{
    QString home = environment("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(home))
        home = environment("HOME") + QStringLiteral("/.config");
    return home + u'/' + FileName;
}

QStringList PortAssignments::systemFiles()
{
    QStringList files;
    for (const QString& dir : environment("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            files << dir + u'/' + FileName;
    if (files.isEmpty())
        files << QStringLiteral("/etc/xdg/") + FileName;
    return files;
}

PortAssignments PortAssignments::load(const std::array<QString, Ports>& options, const Warning& warn)
{
    PortAssignments result;
    for (int n = 1; n <= Ports; ++n)
        result.ports_[std::size_t(n - 1)] = {builtIn(n), Source::Default, {}};
    // From the least to the most important, each overriding what came before.
    QStringList system = systemFiles();
    auto read = [&result, &warn](const QString& path, Source source) {
        auto file = openFile(path, warn);
        if (!file)
            return;
        for (const auto& [port, device] : readPorts(*file, warn))
            result.ports_[std::size_t(port - 1)] = {device, source, path};
        for (const auto& [port, settle] : readSettles(*file, warn)) {
            result.settles_[std::size_t(port - 1)] = settle;
            result.settleFiles_[std::size_t(port - 1)] = path;
        }
    };
    for (auto file = system.crbegin(); file != system.crend(); ++file)
        read(*file, Source::SystemFile);
    read(userFile(), Source::UserFile);
    for (int n = 1; n <= Ports; ++n)
        if (!options[std::size_t(n - 1)].isEmpty())
            result.ports_[std::size_t(n - 1)] = {options[std::size_t(n - 1)], Source::Option, {}};
    return result;
}

QString PortAssignments::device(int commPort) const
{
    if (commPort >= 1 && commPort <= Ports)
        return of(commPort).device;
    return builtIn(commPort);
}

QString PortAssignments::builtIn(int commPort) { return QStringLiteral("/dev/ttyS%1").arg(commPort - 1); }

bool PortAssignments::anyVirtual() const
{
    for (const Assignment& a : ports_)
        if (a.device == QLatin1String(Virtual))
            return true;
    return false;
}

void PortAssignments::choose(int commPort, const QString& device)
{
    ports_.at(std::size_t(commPort - 1)) = {device, Source::Chosen, {}};
}

QString PortAssignments::describe(int commPort) const
{
    const Assignment& a = of(commPort);
    QString from;
    switch (a.source) {
    // Where the assignment comes from, shown in parentheses after it.
    case Source::Option: from = tr("option --com%1").arg(commPort); break;
    case Source::UserFile: from = tr("user file %1").arg(a.file); break;
    case Source::SystemFile: from = tr("system file %1").arg(a.file); break;
    //: The built-in port, as nothing else said.
    case Source::Default: from = tr("default"); break;
    //: Chosen by the user in this run.
    case Source::Chosen: from = tr("chosen"); break;
    }
    QString line = QStringLiteral("%1 = %2 (%3)").arg(portKey(commPort), a.device, from);
    if (const auto us = settle(commPort))
        //: Settle (a noun): the wait between setting a line and reading a status input; %2 is the file.
        line += tr(", settle %1 µs (%2)").arg(us->count()).arg(settleFile(commPort));
    return line;
}

namespace {

bool writeUserValue(const QString& key, const QVariant& value, QString& error)
{
    const QString path = PortAssignments::userFile();
    if (!QDir().mkpath(QFileInfo(path).path())) {
        error = PortAssignments::tr("cannot create the folder of %1").arg(path);
        return false;
    }
    QSettings file(path, QSettings::IniFormat);
    file.setValue(key, value);
    file.sync();
    if (file.status() != QSettings::NoError) {
        error = PortAssignments::tr("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace

bool PortAssignments::remember(int commPort, const QString& device, QString& error)
{
    return writeUserValue(Group + u'/' + portKey(commPort), device, error);
}

bool PortAssignments::rememberSettle(int commPort, std::chrono::microseconds settle, QString& error)
{
    return writeUserValue(SettleGroup + u'/' + portKey(commPort), QString::number(settle.count()), error);
}
