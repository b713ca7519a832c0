// qelt: the host program. `qelt list` prints the registered commands (none are registered yet).
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "list") == 0) return 0;
    std::fprintf(stderr, "usage: qelt list\n");
    return 2;
}
