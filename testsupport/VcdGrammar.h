#pragma once

#include <string>
#include <vector>

// A Value Change Dump read by the standard's grammar, as strictly as a logic analyser's viewer
// needs it: declaration commands ($version, $comment, $timescale, $scope, $var, $upscope) up
// to $enddefinitions, each closed by $end; then #time lines, $dumpvars and $comment sections
// and one-bit changes ("0!", "1!"). `fault` names the first thing that breaks the grammar, a
// timescale other than 1 ns, a wire wider than one bit, a time not later than the one before,
// or two changes at one time.
struct VcdGrammar {
    struct Change {
        long long time;
        std::size_t wire;
        bool level;
    };

    std::vector<std::string> wires;
    std::vector<bool> initial;  // the levels in $dumpvars
    std::vector<Change> changes;
    std::vector<std::string> comments;
    std::string fault;

    static VcdGrammar read(const std::string& path);
};
