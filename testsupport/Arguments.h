#pragma once

#include <string>
#include <utility>
#include <vector>

// A command line as main() gets it: argv[0] the program, then the arguments, then a null.
class Arguments {
public:
    Arguments(std::string program, std::vector<std::string> arguments) : strings_(std::move(arguments))
    {
        strings_.insert(strings_.begin(), std::move(program));
        for (std::string& s : strings_)
            pointers_.push_back(s.data());
        pointers_.push_back(nullptr);
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    int argc() const { return int(strings_.size()); }
    char** argv() { return pointers_.data(); }

private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};
