#include "driver/tavrel.h"

#include "driver/context.h"

int run_tavrel(CONTEXT& context, const std::vector<std::string>& arguments) {
  (void)arguments;
  context.error_output << "Tavrel : the windowed mode is not built yet.\n";
  return 1;
}
