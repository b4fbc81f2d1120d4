// quorvan: turns a project plan into a communication chart.

#include "cli/Main.h"

#include <iostream>

#include "platform/catalog/Catalog.h"

int main(int argc, char** argv) {
  catalog::Start();
  return cli::Main(argc, argv, std::cout, std::cerr);
}
