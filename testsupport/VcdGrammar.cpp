#include "VcdGrammar.h"

#include <fstream>
#include <map>
#include <sstream>

namespace {

// The words up to the next $end, which is consumed.
bool untilEnd(std::istream& in, std::vector<std::string>& words)
{
    for (std::string w; in >> w;) {
        if (w == "$end")
            return true;
        words.push_back(w);
    }
    return false;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& w : words)
        out += (out.empty() ? "" : " ") + w;
    return out;
}

} // namespace

VcdGrammar VcdGrammar::read(const std::string& path)
{
    VcdGrammar vcd;
    std::ifstream in(path);
    if (!in) {
        vcd.fault = "cannot read " + path;
        return vcd;
    }
    std::map<std::string, std::size_t> codes;
    bool timescale = false;
    for (std::string word; in >> word;) {
        std::vector<std::string> words;
        if (word == "$enddefinitions") {
            if (!untilEnd(in, words) || !words.empty())
                vcd.fault = "$enddefinitions not closed by $end";
            break;
        }
        if (word != "$version" && word != "$comment" && word != "$timescale" && word != "$scope" && word != "$var" &&
            word != "$upscope" && word != "$date") {
            vcd.fault = "not a declaration command: " + word;
            return vcd;
        }
        if (!untilEnd(in, words)) {
            vcd.fault = word + " not closed by $end";
            return vcd;
        }
        if (word == "$timescale") {
            timescale = true;
            if (joined(words) != "1 ns" && joined(words) != "1ns")
                vcd.fault = "timescale " + joined(words) + ", not 1 ns";
        } else if (word == "$comment") {
            vcd.comments.push_back(joined(words));
        } else if (word == "$var") {
            if (words.size() != 4 || words[0] != "wire" || words[1] != "1") {
                vcd.fault = "not a one-bit wire: $var " + joined(words);
                return vcd;
            }
            codes[words[2]] = vcd.wires.size();
            vcd.wires.push_back(words[3]);
        }
        if (!vcd.fault.empty())
            return vcd;
    }
    if (vcd.fault.empty() && (!timescale || vcd.wires.empty()))
        vcd.fault = "no $timescale or no $var before $enddefinitions";
    if (!vcd.fault.empty())
        return vcd;

    vcd.initial.assign(vcd.wires.size(), false);
    long long time = -1;
    int changesAtTime = 0;
    bool inDumpvars = false;
    for (std::string word; in >> word;) {
        if (word[0] == '#') {
            long long next = std::stoll(word.substr(1));
            if (next <= time) {
                vcd.fault = word + " is not later than #" + std::to_string(time);
                return vcd;
            }
            time = next;
            changesAtTime = 0;
        } else if (word == "$dumpvars") {
            inDumpvars = true;
        } else if (word == "$end" && inDumpvars) {
            inDumpvars = false;
        } else if (word == "$comment") {
            std::vector<std::string> words;
            if (!untilEnd(in, words)) {
                vcd.fault = "$comment not closed by $end";
                return vcd;
            }
            vcd.comments.push_back(joined(words));
        } else if ((word[0] == '0' || word[0] == '1') && word.size() > 1 && codes.count(word.substr(1))) {
            const std::size_t wire = codes[word.substr(1)];
            if (time < 0) {
                vcd.fault = "a change before the first #time";
                return vcd;
            }
            if (inDumpvars) {
                vcd.initial[wire] = word[0] == '1';
                continue;
            }
            if (++changesAtTime > 1) {
                vcd.fault = "two changes at #" + std::to_string(time);
                return vcd;
            }
            vcd.changes.push_back({time, wire, word[0] == '1'});
        } else {
            vcd.fault = "not a simulation command or one-bit change: " + word;
            return vcd;
        }
    }
    return vcd;
}
