// Times TScript::LoadText on each script file given; prints one line per file:
//   <lines> <best seconds> <lines per second>
// The file is read once; the best of several parses counts, measured in the processor time
// of this thread, so that other work on the machine does not blur the figure.
#include <time.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "SScript.h"

namespace {

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double BestParseSeconds(const std::string& text, int rounds, size_t& lines) {
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        TScript script;
        const double start = ThreadSeconds();
        script.LoadText(text);
        const double took = ThreadSeconds() - start;
        if (took < best) best = took;
        lines = script.Lines().size();
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s Setup.txt...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const std::string text((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        size_t lines = 0;
        const double seconds = BestParseSeconds(text, 15, lines);
        std::printf("%zu %.6f %.0f\n", lines, seconds, static_cast<double>(lines) / seconds);
    }
    return 0;
}
