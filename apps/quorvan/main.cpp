// quorvan: turns a project plan into a communication chart.

#include "cli/Main.h"

#include <iostream>

int main(int argc, char** argv) {
  return cli::Main(argc, argv, std::cout, std::cerr);
}
