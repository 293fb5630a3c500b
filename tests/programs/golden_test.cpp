// Program-level tests: every folder beside this file is one run of build/tavrel. The folder's
// `args` (one argument a line) and optional `stdin` feed the run; `stdout`, `stderr` and `status`
// are compared byte for byte with what it produced (a missing stdout or stderr means empty), and
// each file under `expected_files/` must exist afterwards in the working directory, same content.
// Every other file of the folder is copied into a fresh temporary working directory first, and
// so is each bundled example that the optional `examples` file names (one a line), so that the
// examples are tested as they are shipped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path program_path = TAVREL_PROGRAM;
const fs::path cases_directory = GOLDEN_CASES_DIRECTORY;
const fs::path examples_directory = EXAMPLES_DIRECTORY;
constexpr auto run_time_limit = std::chrono::seconds(60);

// The files of a case that describe the run rather than take part in it.
const std::vector<std::string> case_description_files{
    "args", "stdin", "stdout", "stderr", "status", "expected_files", "examples"};

struct RUN_RESULT {
  std::string output;
  std::string error_output;
  int status = -1;  // exit status; 128 + signal number when killed by a signal
  bool timed_out = false;
};

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

// One argument a line; a final line end closes the last argument, an empty line is an empty one.
std::vector<std::string> read_arguments(const fs::path& path) {
  std::vector<std::string> arguments;
  if (!fs::exists(path)) return arguments;
  std::string text = read_file(path);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    arguments.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return arguments;
}

std::vector<std::string> case_names() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(cases_directory))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Test names allow only letters, digits and underscores.
std::string test_name(const std::string& folder) {
  std::string name = folder;
  for (char& c : name)
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

fs::path make_temporary_directory() {
  std::string pattern = (fs::temp_directory_path() / "tavrel-golden-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

void copy_inputs(const fs::path& case_directory, const fs::path& work_directory) {
  for (const fs::directory_entry& entry : fs::directory_iterator(case_directory)) {
    std::string name = entry.path().filename().string();
    if (std::find(case_description_files.begin(), case_description_files.end(), name) !=
        case_description_files.end())
      continue;
    fs::copy(entry.path(), work_directory / name, fs::copy_options::recursive);
  }
  if (!fs::exists(case_directory / "examples")) return;
  std::ifstream examples(case_directory / "examples");
  for (std::string name; std::getline(examples, name);)
    if (!name.empty()) fs::copy(examples_directory / name, work_directory / name);
  // Examples are shipped with the headers they include, found in include/ of the directory the
  // program starts in.
  fs::copy(examples_directory.parent_path() / "include", work_directory / "include",
           fs::copy_options::recursive);
}

// The argument vector for execv, program path first; it points into arguments.
std::vector<char*> argument_vector(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program_path.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// In the child, where nothing is allocated: the working directory and the three standard
// streams, then the program.
[[noreturn]] void start_program(const fs::path& work_directory, const fs::path& input,
                                const fs::path& output, const fs::path& error_output,
                                char* const* argv) {
  int in = open(input.c_str(), O_RDONLY);
  int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  int err = open(error_output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0 || err < 0 || chdir(work_directory.c_str()) != 0) _exit(126);
  dup2(in, 0);
  dup2(out, 1);
  dup2(err, 2);
  execv(program_path.c_str(), argv);
  _exit(127);
}

int wait_with_time_limit(pid_t child, bool& timed_out) {
  auto deadline = std::chrono::steady_clock::now() + run_time_limit;
  int wait_status = 0;
  while (waitpid(child, &wait_status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      timed_out = true;
      kill(child, SIGKILL);
      waitpid(child, &wait_status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(wait_status)) return WEXITSTATUS(wait_status);
  return 128 + WTERMSIG(wait_status);
}

RUN_RESULT run_program(const fs::path& case_directory, const fs::path& scratch,
                       const fs::path& work_directory) {
  fs::path input = case_directory / "stdin";
  if (!fs::exists(input)) input = "/dev/null";
  fs::path output = scratch / "captured-stdout";
  fs::path error_output = scratch / "captured-stderr";
  std::vector<std::string> arguments = read_arguments(case_directory / "args");
  std::vector<char*> argv = argument_vector(arguments);
  RUN_RESULT result;
  pid_t child = fork();
  if (child == 0) start_program(work_directory, input, output, error_output, argv.data());
  if (child < 0) return result;
  result.status = wait_with_time_limit(child, result.timed_out);
  result.output = read_file(output);
  result.error_output = read_file(error_output);
  return result;
}

std::string visible(const std::string& line) {
  std::string shown;
  for (char c : line) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 32 && c != '\t') {
      char escaped[8];
      snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      shown += escaped;
    } else {
      shown.push_back(c);
    }
  }
  return shown;
}

std::vector<std::string> split_keeping_ends(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

std::string shown_line(const std::string& line) {
  if (line.ends_with('\n')) return visible(line.substr(0, line.size() - 1)) + "\n";
  return visible(line) + "   <- no line end\n";
}

// Line by line: "  " same, "- " expected only, "+ " produced only.
std::string describe_difference(const std::string& what, const std::string& expected,
                                const std::string& actual) {
  std::vector<std::string> want = split_keeping_ends(expected);
  std::vector<std::string> got = split_keeping_ends(actual);
  std::string report = what + " differs (- expected, + produced):\n";
  for (size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    bool has_want = i < want.size(), has_got = i < got.size();
    if (has_want && has_got && want[i] == got[i]) {
      report += "  " + shown_line(want[i]);
      continue;
    }
    if (has_want) report += "- " + shown_line(want[i]);
    if (has_got) report += "+ " + shown_line(got[i]);
  }
  return report;
}

void expect_same_text(const std::string& what, const fs::path& expected_path,
                      const std::string& actual) {
  std::string expected = fs::exists(expected_path) ? read_file(expected_path) : "";
  EXPECT_TRUE(expected == actual) << describe_difference(what, expected, actual);
}

void expect_generated_files(const fs::path& case_directory, const fs::path& work_directory) {
  fs::path expected_directory = case_directory / "expected_files";
  if (!fs::exists(expected_directory)) return;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(expected_directory)) {
    if (!entry.is_regular_file()) continue;
    fs::path relative = fs::relative(entry.path(), expected_directory);
    fs::path produced = work_directory / relative;
    if (!fs::exists(produced)) {
      ADD_FAILURE() << "the run did not write " << relative;
      continue;
    }
    expect_same_text(relative.string(), entry.path(), read_file(produced));
  }
}

class GOLDEN : public testing::TestWithParam<std::string> {};

TEST_P(GOLDEN, run_matches_expected_output_and_status) {
  fs::path case_directory = cases_directory / GetParam();
  ASSERT_TRUE(fs::exists(case_directory / "status")) << "the case has no status file";
  int expected_status = std::atoi(read_file(case_directory / "status").c_str());
  fs::path scratch = make_temporary_directory();
  ASSERT_FALSE(scratch.empty()) << "no temporary directory";
  fs::path work_directory = scratch / "work";
  fs::create_directory(work_directory);
  copy_inputs(case_directory, work_directory);

  RUN_RESULT result = run_program(case_directory, scratch, work_directory);
  EXPECT_FALSE(result.timed_out) << "the run was stopped after " << run_time_limit.count() << " s";
  EXPECT_EQ(expected_status, result.status) << "exit status";
  expect_same_text("standard output", case_directory / "stdout", result.output);
  expect_same_text("standard error", case_directory / "stderr", result.error_output);
  expect_generated_files(case_directory, work_directory);
  fs::remove_all(scratch);
}

INSTANTIATE_TEST_SUITE_P(program, GOLDEN, testing::ValuesIn(case_names()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return test_name(info.param);
                         });

}  // namespace
