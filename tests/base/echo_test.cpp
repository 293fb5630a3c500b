// The echo writes only in verbose mode; user text falls back to standard output with no interface.
#include "base/echo.h"

#include <gtest/gtest.h>

#include "support/test_context.h"

namespace {

TEST(EchoTest, writes_nothing_unless_verbose) {
  TEST_CONTEXT test;
  test.context.echo.echo_string("quiet");
  test.context.echo.echo_integer(3);
  EXPECT_EQ(test.take_output(), "");
  test.context.echo.verbose = true;
  test.context.echo.echo_string("ROM used: ");
  test.context.echo.echo_integer(-12);
  test.context.echo.echo_character('\n');
  EXPECT_EQ(test.take_output(), "ROM used: -12\n");
}

class RECORDING_INTERFACE : public INTERFACE {
 public:
  explicit RECORDING_INTERFACE(std::string& record) : record_(record) {}
  void put_string(std::string_view text) override { record_ += text; }
  void flush() override { record_ += "|"; }
  int run() override { return 0; }

 private:
  std::string& record_;
};

TEST(UserInterfaceTest, installed_interface_takes_all_text) {
  TEST_CONTEXT test;
  USER_INTERFACE& user_interface = test.context.user_interface;
  user_interface.put_string("before ");
  std::string record;
  user_interface.install(std::make_unique<RECORDING_INTERFACE>(record));
  user_interface.put_integer(42);
  user_interface.put_character('!');
  user_interface.flush();
  EXPECT_EQ(test.take_output(), "before ");
  EXPECT_EQ(record, "42!|");
}

}  // namespace
