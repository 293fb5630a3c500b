// The -run mode: execute the built program to its end without interaction. Any counted error or
// warning, from the build or from an instruction, ends the run with status 1.
#pragma once

struct CONTEXT;

// Answers the process's exit status. With check_hazards the run goes by single steps and ends
// with the hazard report, which leaves the status as it is.
int batch_run(CONTEXT& context, bool check_hazards = false);
