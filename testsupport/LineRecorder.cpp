#include "LineRecorder.h"

#include <cstdlib>
#include <sstream>

LineRecorder::LineRecorder() : file_(open_memstream(&buffer_, &size_)), trace_(file_, Trace::Clock::now()) {}

LineRecorder::~LineRecorder()
{
    std::fclose(file_);
    std::free(buffer_);
}

std::vector<std::string> LineRecorder::lines()
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

void LineRecorder::clear()
{
    std::fflush(file_);
    start_ = size_;
}
