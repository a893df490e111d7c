#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

// Runs sulvo-calc with the given arguments (already shell-quoted) and captures stdout and the exit status.
struct CalcRun {
    std::string out;
    int status = -1;
};

inline CalcRun RunCalc(const std::string& args) {
    CalcRun r;
    std::string cmd = std::string("'") + SULVO_CALC_PATH + "' " + args + " 2>/dev/null";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buf{};
    std::size_t lidos;
    while ((lidos = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        r.out.append(buf.data(), lidos);
    int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}
