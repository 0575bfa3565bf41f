// sorrelwind-sim: runs the real game without a window and prints what happens. See kSimUsage.
#include <iostream>
#include <string>
#include <vector>

#include "base/errors.h"
#include "sim/simulation.h"

int main(int argc, char** argv) {
  TSimOptions options;
  try {
    options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const TSimUsageError& error) {
    std::cerr << "sorrelwind-sim: " << error.what() << "\n" << kSimUsage;
    return 2;
  }
  if (options.Help) {
    std::cout << kSimUsage;
    return 0;
  }
  try {
    RunSimulation(options, std::cout);
  } catch (const Exception& error) {
    std::cout.flush();
    std::cerr << "sorrelwind-sim: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
