#include "VcdWriter.h"

namespace {

// Each wire's identifier code: one printable character from '!' on.
char code(std::size_t wire) { return char('!' + wire); }

constexpr long long FlushEvery = 200'000'000;  // ns

} // namespace

VcdWriter::VcdWriter(std::FILE* out, std::vector<std::string> wires, std::vector<bool> levels, Clock::time_point epoch)
    : out_(out), wires_(std::move(wires)), levels_(std::move(levels)), epoch_(epoch)
{
    levels_.resize(wires_.size(), true);
}

VcdWriter::~VcdWriter() { close(); }

void VcdWriter::close()
{
    if (closed_)
        return;
    closed_ = true;
    writeHeader();
    std::fprintf(out_, "#%lld\n", ++last_);
    flush();
}

void VcdWriter::writeHeader(std::string_view comment)
{
    if (headerWritten_)
        return;
    headerWritten_ = true;
    std::fputs("$version boardsuite $end\n", out_);
    if (!comment.empty())
        std::fprintf(out_, "$comment %.*s $end\n", int(comment.size()), comment.data());
    std::fputs("$timescale 1 ns $end\n$scope module board $end\n", out_);
    for (std::size_t i = 0; i < wires_.size(); ++i)
        std::fprintf(out_, "$var wire 1 %c %s $end\n", code(i), wires_[i].c_str());
    std::fputs("$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n", out_);
    for (std::size_t i = 0; i < wires_.size(); ++i)
        std::fprintf(out_, "%c%c\n", levels_[i] ? '1' : '0', code(i));
    std::fputs("$end\n", out_);
}

void VcdWriter::comment(std::string_view text)
{
    writeHeader();
    std::fprintf(out_, "$comment %.*s $end\n", int(text.size()), text.data());
}

void VcdWriter::change(std::size_t wire, bool level, std::chrono::nanoseconds at)
{
    if (levels_[wire] == level)
        return;
    writeHeader();
    levels_[wire] = level;
    last_ = std::max(last_ + 1, (long long)at.count());
    std::fprintf(out_, "#%lld\n%c%c\n", last_, level ? '1' : '0', code(wire));
    if (last_ - flushed_ > FlushEvery)
        flush();
}

void VcdWriter::flush()
{
    std::fflush(out_);
    flushed_ = last_;
}
