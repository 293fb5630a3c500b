// The project and its build: `update` is the one operation through which every mode turns the
// sources into ROM code. It reads as the list of the build's numbered stages.
#pragma once

#include "project/project.h"

struct CONTEXT;

class PROJECT_MANAGER : public PROJECT {
 public:
  explicit PROJECT_MANAGER(CONTEXT& context) : context_(context) {}
  PROJECT_MANAGER(const PROJECT_MANAGER&) = delete;
  PROJECT_MANAGER& operator=(const PROJECT_MANAGER&) = delete;

  // Resets the machine and all compilation state, then runs every build stage in order.
  void update();
  bool is_assembly_project() const;

  // The last build ended on a compiler stop: a batch mode ends with status 1 at once.
  bool compiler_stopped = false;

 private:
  CONTEXT& context_;
};
