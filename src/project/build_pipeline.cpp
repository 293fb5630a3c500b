// The build: reset, load every source file, then the numbered stages, each echoed in verbose mode.
#include "driver/context.h"
#include "project/project_manager.h"

bool PROJECT_MANAGER::is_assembly_project() const {
  return context_.source_paths.is_assembly_project();
}

void PROJECT_MANAGER::update() { needs_update = false; }
