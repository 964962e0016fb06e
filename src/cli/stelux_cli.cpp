#include <cstdio>

int main() {
    std::puts("stelux-cli");
    return 0;
}
