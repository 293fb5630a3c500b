// The -run mode's loop: the counts are tested before every instruction, so a build with
// diagnostics never runs and a diagnostic during the run ends it after its instruction.
#include "driver/batch_run.h"

#include <gtest/gtest.h>

#include <string>

#include "support/build_fixture.h"

namespace {

class BatchRun : public BuildTest {
 protected:
  int build_and_run(const std::string& program) {
    add_source("prog.s", program);
    build();
    return batch_run(context);
  }
  static ::testing::AssertionResult ends_with(const std::string& text, const std::string& end) {
    if (text.ends_with(end)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\"" << text << "\" does not end with \"" << end << "\"";
  }
};

const std::string warning_report = "****** Error : Warning(s) in batch -run mode.\n------\n";
const std::string error_report = "****** Error : Error(s) in batch -run mode.\n------\n";

}  // namespace

TEST_F(BatchRun, a_correct_program_runs_to_its_end_silently_with_status_0) {
  EXPECT_EQ(build_and_run("        LDIL R1,#1\n        LDIL R2,#2\n"), 0);
  EXPECT_EQ(output(), "");
  EXPECT_EQ(value(1), 1);
  EXPECT_EQ(value(2), 2);
  EXPECT_EQ(machine.program_counter.value, 2);
}

TEST_F(BatchRun, an_empty_rom_ends_at_once_with_status_0) {
  EXPECT_EQ(batch_run(context), 0);
  EXPECT_EQ(output(), "");
}

TEST_F(BatchRun, a_build_warning_is_reported_as_an_error_and_nothing_runs) {
  EXPECT_EQ(build_and_run("start   LDIL R1,#1\n"), 1);  // the label has no ":"
  const std::string text = output();
  EXPECT_TRUE(text.starts_with("****** Warning : ")) << text;
  EXPECT_TRUE(ends_with(text, warning_report));
  EXPECT_EQ(context.error_handler.error_count(), 1) << "the run's report counts as an error";
  EXPECT_EQ(value(1), 0);
  EXPECT_EQ(machine.program_counter.value, 0);
}

TEST_F(BatchRun, a_build_error_is_reported_and_nothing_runs) {
  build();  // no sources: no main function
  EXPECT_EQ(batch_run(context), 1);
  EXPECT_TRUE(ends_with(output(), error_report));
}

TEST_F(BatchRun, with_errors_and_warnings_counted_the_errors_are_named) {
  add_source("prog.s", "        LDIL R1,#1\n");
  build();
  context.error_handler.warning_at(POSITION{}, "first");
  context.error_handler.error_without_position("second");
  output();
  EXPECT_EQ(batch_run(context), 1);
  EXPECT_EQ(output(), error_report);
  EXPECT_EQ(value(1), 0);
}

TEST_F(BatchRun, a_diagnostic_counted_before_the_run_stops_it_before_the_first_instruction) {
  add_source("prog.s", "        LDIL R1,#1\n");
  build();
  context.error_handler.warning_at(POSITION{}, "counted elsewhere");
  output();
  EXPECT_EQ(batch_run(context), 1);
  EXPECT_EQ(output(), warning_report);
  EXPECT_EQ(value(1), 0);
}

TEST_F(BatchRun, a_warning_during_the_run_ends_it_after_that_instruction) {
  // Reading RAM that was never written warns; the load after it must not run.
  EXPECT_EQ(build_and_run("        LD R1,(R2)\n        LDIL R3,#5\n"), 1);
  const std::string text = output();
  EXPECT_TRUE(text.starts_with("****** Warning : Reading un-initialized RAM word.\n")) << text;
  EXPECT_TRUE(ends_with(text, warning_report));
  EXPECT_EQ(machine.program_counter.value, 1);
  EXPECT_EQ(value(3), 0);
}

TEST_F(BatchRun, an_error_during_the_run_ends_it_after_that_instruction) {
  // Calls itself: the fifth call overflows the four-word stack. Each turn is the two NOPs that
  // pad the call's target and the call itself (2 periods).
  EXPECT_EQ(build_and_run("top:    RCALL top\n        LDIL R3,#5\n"), 1);
  const std::string text = output();
  EXPECT_TRUE(text.starts_with("****** Error : Stack overflow.\n")) << text;
  EXPECT_TRUE(ends_with(text, error_report));
  EXPECT_EQ(machine.clock.periods(), 5 * (1 + 1 + 2));
  EXPECT_EQ(value(3), 0);
}
