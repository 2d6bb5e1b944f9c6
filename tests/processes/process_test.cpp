// The programs as built, started as processes on a pseudo-terminal that a preloaded shim makes
// answer the modem ioctls, so that they open it as a serial port and lock it in /run/lock:
// SIGTERM and SIGINT end them and remove the lock, SIGKILL leaves a stale lock that the next
// start replaces, a start-up box goes with SIGTERM too, a cable pulled under a polling program
// gives one message, not a storm, and waits (status 1 if ended then), --settle reaches the device layer, and --vcd
// dumps a device's lines with SDA rebuilt from the samples.

#include "Arguments.h"
#include "MasterTransactions.h"
#include "PortLock.h"
#include "PtySerialDevice.h"
#include "SigrokI2c.h"
#include "TwoWireDump.h"
#include "VcdGrammar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string LockDir = "/run/lock";

std::string readFile(const std::string& path) { return PtySerialDevice::fileText(path); }

// Waits up to `limit` for `done`; true when it came.
template <class Condition>
bool waitFor(Condition done, std::chrono::milliseconds limit = 10s)
{
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        if (done())
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return done();
}

class Program {
public:
    Program(const std::string& binary, const std::string& device, std::vector<std::string> options = {})
    {
        options.insert(options.begin(), "--com1=" + device);
        char errName[] = "/tmp/board-program-XXXXXX";
        int err = mkstemp(errName);
        errFile_ = errName;
        char runtime[] = "/tmp/board-runtime-XXXXXX";
        runtimeDir_ = mkdtemp(runtime);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(err, 2);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("XDG_RUNTIME_DIR", runtimeDir_.c_str(), 1);  // else Qt says that it made one
            // No one's port assignments: empty folders of the test's own.
            setenv("XDG_CONFIG_HOME", (runtimeDir_ + "/config").c_str(), 1);
            setenv("XDG_CONFIG_DIRS", (runtimeDir_ + "/config-system").c_str(), 1);
            setenv("LD_PRELOAD", PTY_MODEM_SHIM, 1);
            setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);  // the shim comes before the sanitizer
            Arguments argv(binary, options);
            execv(binary.c_str(), argv.argv());
            _exit(127);
        }
        ::close(err);
    }
    ~Program()
    {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        fs::remove(errFile_);
        fs::remove_all(runtimeDir_);
    }

    pid_t pid() const { return pid_; }
    std::string errors() const { return readFile(errFile_); }
    bool running()
    {
        if (exited_)
            return false;
        pid_t r = waitpid(pid_, &status_, WNOHANG);
        if (r == pid_)
            exited_ = true;
        return !exited_;
    }
    // The exit status after `signal`; -1 when the program did not end within ten seconds.
    int stop(int signal)
    {
        kill(pid_, signal);
        if (!waitFor([this] { return !running(); }))
            return -1;
        return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
    }

private:
    pid_t pid_ = -1;
    int status_ = 0;
    bool exited_ = false;
    std::string errFile_;
    std::string runtimeDir_;
};

class ProgramOnPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (access(LockDir.c_str(), W_OK) != 0)
            GTEST_SKIP() << LockDir << " is not writable here: no lock file to test";
        pty.closeSlave();  // the program opens the slave side itself
        lockFile = LockDir + "/" + PortLock::fileName(device);
    }

    // True once the lock file names `pid`.
    bool lockedBy(pid_t pid)
    {
        return waitFor([&] {
            std::istringstream in(readFile(lockFile));
            long owner = 0;
            return (in >> owner) && owner == pid;
        });
    }

    PtySerialDevice pty;  // not inherited by the programs: closing the master is pulling the cable
    std::string device = pty.device(), lockFile;
};

struct Case {
    const char* binary;
    int signal;
};

class EndedBySignal : public ProgramOnPty, public ::testing::WithParamInterface<Case> {};

TEST_P(EndedBySignal, RemovesItsLockFile)
{
    Program program(GetParam().binary, device);
    ASSERT_TRUE(lockedBy(program.pid())) << program.errors();
    std::this_thread::sleep_for(300ms);  // a few ticks on the port
    EXPECT_EQ(program.stop(GetParam().signal), 0) << program.errors();
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_EQ(program.errors(), "");
}

INSTANTIATE_TEST_SUITE_P(Programs, EndedBySignal,
                         ::testing::Values(Case{ADCPANEL, SIGTERM}, Case{ADCPANEL, SIGINT}, Case{LINEPROBE, SIGTERM},
                                           Case{LINEPROBE, SIGINT}, Case{SHIFTOUT, SIGTERM}, Case{SERIALOUT, SIGINT},
                                           Case{THERMREAD, SIGTERM}),
                         [](const auto& info) {
                             std::string name = fs::path(info.param.binary).filename().string();
                             return name + (info.param.signal == SIGTERM ? "_SIGTERM" : "_SIGINT");
                         });

TEST_F(ProgramOnPty, AKilledProgramsLockIsStaleForTheNextStart)
{
    pid_t first = 0;
    {
        Program program(LINEPROBE, device);
        ASSERT_TRUE(lockedBy(program.pid())) << program.errors();
        first = program.pid();
        EXPECT_EQ(program.stop(SIGKILL), 128 + SIGKILL);
    }
    ASSERT_TRUE(fs::exists(lockFile));  // nothing could remove it
    Program next(LINEPROBE, device);
    ASSERT_TRUE(lockedBy(next.pid())) << next.errors();
    EXPECT_NE(next.pid(), first);
    EXPECT_EQ(next.stop(SIGTERM), 0);
    EXPECT_EQ(next.errors(), "");
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST_F(ProgramOnPty, SigtermEndsLineprobeWhileItsInUseBoxIsUp)
{
    // This test holds the port: lineprobe says so in its box, which SIGTERM must close, and
    // the program must end rather than go on to its window.
    const std::string own = PtySerialDevice::lockText(getpid());
    std::ofstream(lockFile) << own;
    Program program(LINEPROBE, device);
    ASSERT_TRUE(waitFor([&] { return program.errors().find("held by another program") != std::string::npos; }))
        << program.errors();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(program.stop(SIGTERM), 0) << program.errors();
    EXPECT_EQ(readFile(lockFile), own);  // another's lock is left alone
    fs::remove(lockFile);
}

class LostDevice : public ProgramOnPty, public ::testing::WithParamInterface<const char*> {};

// The program says so once, on standard error and with no box, releases the port and waits for
// the device; ended while it waits (SIGTERM here), its status is 1.
TEST_P(LostDevice, GivesOneMessageWaitsAndEndsWithStatus1)
{
    const std::string name = fs::path(GetParam()).filename().string();
    Program program(GetParam(), device);
    ASSERT_TRUE(lockedBy(program.pid())) << program.errors();
    std::this_thread::sleep_for(400ms);
    pty.unplug();  // the kernel hangs the terminal up: EIO from now on
    const std::string message = name + ": COM1 (" + device + "): the device stopped answering";
    ASSERT_TRUE(waitFor([&] { return program.errors().find(message) != std::string::npos; })) << program.errors();
    EXPECT_TRUE(waitFor([&] { return !fs::exists(lockFile); }, 2s));  // released with the port
    std::this_thread::sleep_for(1000ms);  // time for more ticks, were any to reach a device
    EXPECT_EQ(program.stop(SIGTERM), 1) << "SIGTERM while it waits";
    // The program's own messages (the offscreen platform may add notes of its own).
    const std::string errors = program.errors();
    std::istringstream in(errors);
    std::size_t messages = 0;
    for (std::string line; std::getline(in, line);)
        messages += line.rfind(name + ": ", 0) == 0;
    EXPECT_EQ(messages, 1u) << errors;
}

INSTANTIATE_TEST_SUITE_P(PollingPrograms, LostDevice, ::testing::Values(ADCPANEL, LINEPROBE),
                         [](const auto& info) { return fs::path(info.param).filename().string(); });

// --settle=20000 on a device whose driver needs none (a pty): in adcpanel's trace every status
// read that follows a line put comes at least the 20 ms later (less the few microseconds between
// the put's return and its trace line).
TEST_F(ProgramOnPty, SettleOptionDelaysEveryReadAfterAPut)
{
    char traceName[] = "/tmp/board-trace-XXXXXX";
    ::close(mkstemp(traceName));
    const std::string trace = traceName;
    Program program(ADCPANEL, device, {"--settle=20000", "--trace=" + trace});
    std::vector<long> gaps;
    auto readGaps = [&] {
        gaps.clear();
        std::istringstream in(readFile(trace));
        long lastPut = -1;
        for (std::string line; std::getline(in, line);) {
            long at = std::atol(line.c_str());
            if (line.find("Enable = ") != std::string::npos) {
                lastPut = at;
            } else if (line.find("CDHolding") != std::string::npos && lastPut >= 0) {
                gaps.push_back(at - lastPut);
                lastPut = -1;
            }
        }
        return gaps.size() >= 10;
    };
    EXPECT_TRUE(waitFor(readGaps)) << program.errors();
    EXPECT_EQ(program.stop(SIGTERM), 0) << program.errors();
    for (long gap : gaps)
        EXPECT_GE(gap, 19900) << "microseconds from a put to the read after it";
    fs::remove(trace);
}

TEST_F(ProgramOnPty, VcdOfADeviceSaysSdaIsRebuiltAndDecodesAsTheProgramsLines)
{
    // Nothing answers on the pty (CD never asserted), so the wire is the program's own lines.
    char dirName[] = "/tmp/board-dump-XXXXXX";
    const std::string dir = mkdtemp(dirName), vcd = dir + "/bus.vcd", trace = dir + "/trace";
    Program program(ADCPANEL, device, {"--vcd=" + vcd, "--trace=" + trace});
    EXPECT_TRUE(waitFor([&] { return readFile(trace).find("CDHolding") != std::string::npos; })) << program.errors();
    std::this_thread::sleep_for(500ms);  // a few ticks
    EXPECT_EQ(program.stop(SIGTERM), 0) << program.errors();
    std::vector<std::string> accesses;
    std::istringstream in(readFile(trace));
    for (std::string line; std::getline(in, line);)
        accesses.push_back(line.substr(line.find(' ') + 1));
    const std::vector<std::string> sent = masterTransactions(accesses);
    EXPECT_GE(sent.size(), 4u);
    const VcdGrammar dump = VcdGrammar::read(vcd);
    EXPECT_EQ(dump.fault, "");
    EXPECT_EQ(dump.comments, std::vector<std::string>{TwoWireDump::Rebuilt});
    EXPECT_EQ(sigrokTransactions(vcd), sent);
    fs::remove_all(dir);
}

} // namespace
