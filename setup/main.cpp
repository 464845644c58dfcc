#include <cstdio>

int main()
{
    std::puts("Install");
    return 0;
}
