// The shapes the statement parser builds, which no message shows: a switch body left empty just
// before its SWITCH with one statement per case, the label that stays in the block when the
// statement after it is taken back, a block asking its function outward, and the missing
// condition of a for loop that its check turns into the constant 1 at the first `;`.
#include <gtest/gtest.h>

#include <string>

#include "cfront/c_function.h"
#include "cfront/c_program.h"
#include "cfront/constant.h"
#include "cfront/statements.h"
#include "support/temporary_directory.h"
#include "support/test_context.h"

namespace {

class STATEMENT_STRUCTURE : public testing::Test {
 protected:
  // Parses `int x;` and a main whose body holds statements; answers that body.
  COMPOUND& parse_main(const std::string& statements) {
    const std::string path =
        directory.write("prog.c", "int x;\nint main(void)\n{\n" + statements + "\n}\n");
    EXPECT_TRUE(program().parse_c_file(path)) << test.take_output();
    return *program().main->body;
  }
  C_PROGRAM& program() { return test.context.c_program; }

  TEMPORARY_DIRECTORY directory;
  TEST_CONTEXT test;
};

TEST_F(STATEMENT_STRUCTURE, a_switch_follows_its_emptied_body_and_each_clause_owns_one_statement) {
  COMPOUND& body =
      parse_main("  switch (x) { case 1: x = 1; case 2: { x = 2; x = 3; } default: x = 4; }");
  ASSERT_EQ(2u, body.statements.size());
  auto* body_block = dynamic_cast<COMPOUND*>(body.statements[0]);
  auto* node = dynamic_cast<SWITCH*>(body.statements[1]);
  ASSERT_NE(nullptr, body_block);
  ASSERT_NE(nullptr, node);
  EXPECT_TRUE(body_block->statements.empty());
  ASSERT_EQ(2u, node->cases.size());
  EXPECT_NE(nullptr, dynamic_cast<EXPRESSION_STATEMENT*>(node->cases[0]->statement));
  auto* second = dynamic_cast<COMPOUND*>(node->cases[1]->statement);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ(2u, second->statements.size());
  ASSERT_NE(nullptr, node->default_clause);
  EXPECT_NE(nullptr, dynamic_cast<EXPRESSION_STATEMENT*>(node->default_clause->statement));
  EXPECT_TRUE(node->outside_cases.empty());
}

TEST_F(STATEMENT_STRUCTURE, a_label_before_a_sub_statement_stays_in_the_block_before_its_owner) {
  COMPOUND& body = parse_main("  if (x) again: x = 1; else ;");
  ASSERT_EQ(2u, body.statements.size());
  auto* label = dynamic_cast<LABEL*>(body.statements[0]);
  auto* condition = dynamic_cast<IF_ELSE*>(body.statements[1]);
  ASSERT_NE(nullptr, label);
  ASSERT_NE(nullptr, condition);
  ASSERT_EQ(1u, body.labels.size());
  EXPECT_EQ(label, body.labels[0]);
  EXPECT_NE(nullptr, dynamic_cast<EXPRESSION_STATEMENT*>(condition->then_statement));
  EXPECT_EQ(nullptr, condition->else_statement) << "a lone ; appends nothing";
}

TEST_F(STATEMENT_STRUCTURE, an_inner_block_finds_the_function_of_the_body_around_it) {
  COMPOUND& body = parse_main("  { { x = 1; } }");
  auto* outer = dynamic_cast<COMPOUND*>(body.statements.at(0));
  ASSERT_NE(nullptr, outer);
  auto* inner = dynamic_cast<COMPOUND*>(outer->statements.at(0));
  ASSERT_NE(nullptr, inner);
  EXPECT_EQ(&body, inner->enclosing->enclosing);
  EXPECT_EQ(program().main, inner->owning_function());
}

TEST_F(STATEMENT_STRUCTURE,
       a_for_loop_without_condition_loops_on_the_constant_1_at_its_first_semicolon) {
  COMPOUND& body = parse_main("  for (;;) x = 1;");
  auto* loop = dynamic_cast<FOR*>(body.statements.at(0));
  ASSERT_NE(nullptr, loop);
  EXPECT_EQ(nullptr, loop->condition);
  EXPECT_EQ(4, loop->first_semicolon.line);
  EXPECT_EQ(8, loop->first_semicolon.column);
  program().compute_live_code();
  EXPECT_EQ(0, test.context.error_handler.error_count()) << test.take_output();
  auto* always = dynamic_cast<DECIMAL_CONSTANT*>(loop->condition);
  ASSERT_NE(nullptr, always);
  EXPECT_EQ(1, always->value);
  EXPECT_EQ(loop->first_semicolon, always->first);
}

}  // namespace
