#include "ZoSetupTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    return zosetup::Run(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
