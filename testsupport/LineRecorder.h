#pragma once

#include "Trace.h"
#include "TraceCounter.h"

#include <cstdio>
#include <string>
#include <vector>

// A trace kept in memory, for the component of a window under test: lines() gives the accesses
// since the last clear(), without their time stamps.
class LineRecorder {
public:
    LineRecorder();
    ~LineRecorder();
    LineRecorder(const LineRecorder&) = delete;
    LineRecorder& operator=(const LineRecorder&) = delete;

    Trace* trace() { return &trace_; }

    std::vector<std::string> lines();
    // What the lines since the last clear() cost, counted from the levels of an opened port.
    TraceCounter::Counts counts() { return TraceCounter().count(lines()); }
    // Forgets what was recorded so far.
    void clear();

private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::size_t start_ = 0;
    std::FILE* file_;
    Trace trace_;
};
