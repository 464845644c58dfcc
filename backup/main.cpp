#include <cstdio>

int main()
{
    std::puts("Harbex Solo +");
    return 0;
}
