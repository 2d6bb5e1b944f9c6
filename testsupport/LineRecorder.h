#pragma once

#include "Trace.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// A trace kept in memory; lines() gives them without their time stamps.
class LineRecorder {
public:
    LineRecorder() : file_(open_memstream(&buffer_, &size_)), trace_(file_, Trace::Clock::now()) {}
    ~LineRecorder()
    {
        std::fclose(file_);
        std::free(buffer_);
    }

    Trace* trace() { return &trace_; }

    std::vector<std::string> lines()
    {
        std::fflush(file_);
        std::vector<std::string> out;
        std::istringstream in(std::string(buffer_, size_).substr(start_));
        for (std::string line; std::getline(in, line);) {
            auto space = line.find(' ');
            out.push_back(space == std::string::npos ? line : line.substr(space + 1));
        }
        return out;
    }

    // Forgets what was recorded so far.
    void clear()
    {
        std::fflush(file_);
        start_ = size_;
    }

    std::size_t count(const std::string& prefix)
    {
        std::size_t n = 0;
        for (const auto& l : lines())
            n += l.rfind(prefix, 0) == 0;
        return n;
    }

private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::size_t start_ = 0;
    std::FILE* file_;
    Trace trace_;
};
