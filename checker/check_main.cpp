#include "checker/check_report.h"

#include <iostream>

// kiveron-check [--preview DIR] path\to\kiveron.lst
int main(int argc, char**)
{
    if (argc < 2) {
        std::cerr << "usage: kiveron-check [--preview DIR] path\\to\\kiveron.lst\n";
        return 2;
    }
    CheckReport report;
    report.Write(std::cout);
    return report.ExitStatus();
}
