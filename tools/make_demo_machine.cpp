// Makes the demo machine in a folder.
// Usage: make_demo_machine <folder>

#include "tools/demo_machine.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_demo_machine <folder>\n";
        return 2;
    }
    std::string error;
    if (!demo::MakeDemoMachine(argv[1], error)) {
        std::cerr << "make_demo_machine: " << error << '\n';
        return 1;
    }
    std::cout << argv[1] << "/machine.ini\n";
    return 0;
}
