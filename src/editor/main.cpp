#include <cstdio>

// The editor's window is not built yet; say so instead of pretending.
int main() {
    std::fprintf(stderr, "qtedit2: the editor window is not available in this build yet.\n");
    return 1;
}
