// The bundled generators' programs, each checking its own results, built far past the reach of
// the relative branches and calls and run with the hazard check: -run ends with status 0 only
// when every function gave the value the generator worked out, and the pipeline saw no hazard.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/scratch_directory.h"
#include "support/shell_run.h"

namespace {

void generate_build_and_run(const std::string& generator) {
  SCRATCH_DIRECTORY scratch;
  const std::string generate =
      "python3 " + std::string(EXAMPLES_DIRECTORY) + "/bench/" + generator + " >prog.c";
  ASSERT_EQ(std::system(generate.c_str()), 0);
  const std::string tavrel = std::string(TAVREL_PROGRAM) + " -N 16 -M 24 -L 16 -X 16 ";
  const SHELL_RUN checked = shell_run(tavrel + "-check -run prog.c");
  EXPECT_EQ(checked.status, 0) << checked.out;
  EXPECT_EQ(checked.out, "Pipeline hazards: none.\n");
  const SHELL_RUN listed = shell_run(tavrel + "-asm_list prog.c");
  EXPECT_NE(listed.out.find("ICALL (R0)"), std::string::npos) << "no call was lengthened";
  EXPECT_NE(listed.out.find("IJMP (R0)"), std::string::npos) << "no jump was lengthened";
}

}  // namespace

TEST(LargePrograms, ten_thousand_lines_of_functions_called_from_main) {
  generate_build_and_run("large_c.py");
}

TEST(LargePrograms, five_thousand_lines_of_long_loops_and_logical_conditions) {
  generate_build_and_run("logic_c.py");
}
