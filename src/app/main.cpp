#include <cstdio>

int main()
{
    std::puts("kelvo-report");
    return 0;
}
