// The bundled generators' programs, each checking its own results, built far past the reach of
// the relative branches and calls and run with the hazard check: -run ends with status 0 only
// when every function gave the value the generator worked out, and the pipeline saw no hazard.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/scratch_directory.h"

namespace {

struct RUN {
  int status;
  std::string output;
};

RUN run(const std::string& command_line) {
  const int raw = std::system((command_line + " >out.txt 2>&1").c_str());
  return RUN{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, SCRATCH_DIRECTORY::read("out.txt")};
}

void generate_build_and_run(const std::string& generator) {
  SCRATCH_DIRECTORY scratch;
  const std::string generate =
      "python3 " + std::string(EXAMPLES_DIRECTORY) + "/bench/" + generator + " >prog.c";
  ASSERT_EQ(std::system(generate.c_str()), 0);
  const std::string tavrel = std::string(TAVREL_PROGRAM) + " -N 16 -M 24 -L 16 -X 16 ";
  const RUN checked = run(tavrel + "-check -run prog.c");
  EXPECT_EQ(checked.status, 0) << checked.output;
  EXPECT_EQ(checked.output, "Pipeline hazards: none.\n");
  const RUN listed = run(tavrel + "-asm_list prog.c");
  EXPECT_NE(listed.output.find("ICALL (R0)"), std::string::npos) << "no call was lengthened";
  EXPECT_NE(listed.output.find("IJMP (R0)"), std::string::npos) << "no jump was lengthened";
}

}  // namespace

TEST(LargePrograms, ten_thousand_lines_of_functions_called_from_main) {
  generate_build_and_run("large_c.py");
}

TEST(LargePrograms, five_thousand_lines_of_long_loops_and_logical_conditions) {
  generate_build_and_run("logic_c.py");
}
