#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    return orvalis::cli::Main(words, std::cout, std::cerr);
}
