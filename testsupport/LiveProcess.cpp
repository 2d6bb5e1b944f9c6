#include "LiveProcess.h"

#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

LiveProcess::LiveProcess() : pid_(fork())
{
    if (pid_ < 0)
        throw std::runtime_error("fork");
    if (pid_ == 0) {
        pause();
        _exit(0);
    }
}

LiveProcess::~LiveProcess()
{
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

pid_t LiveProcess::endedPid()
{
    pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    return gone;
}
