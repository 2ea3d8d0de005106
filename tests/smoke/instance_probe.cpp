// Claims a program folder the way the program does at start-up and says
// whether it got it: "claimed" (exit 0) or "refused" (exit 1). With "hold"
// it keeps a granted claim until it is killed.
#include "platform/SingleInstance.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [hold]\n", argv[0]);
        return 2;
    }
    const bool claimed = SingleInstance::Claim(argv[1]);
    std::printf("%s\n", claimed ? "claimed" : "refused");
    std::fflush(stdout);
    if (claimed && argc > 2 && std::strcmp(argv[2], "hold") == 0)
        for (;;)
            ::pause();
    return claimed ? 0 : 1;
}
