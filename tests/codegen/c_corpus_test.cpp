// Programs a firmware author would write (sorting, checksums, searching, recursion, pointer
// walks, signed and unsigned comparisons, state machines, a ring buffer and a message table of
// structs), built and run to their end on processors of several sizes. Each leaves its results
// in `int out[K]`; a reference written here in C++, with N-bit two's-complement wrapping, says
// what they must be. The programs are
// the files of corpus/ beside this one, and their data is read from their own initialisers.
// The programs that check themselves against values worked out by hand leave the count of
// failed checks in out[0] and the number of the first one in out[1]. Every run is watched for
// pipeline hazards: the build pads compiled code, so the real pipeline must compute the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cfront/declarations.h"
#include "driver/hazard_check.h"
#include "machine/execution.h"
#include "pipeline/project_manager.h"
#include "support/test_context.h"

namespace {

// Arithmetic on N-bit words, as the processor does it.
struct WORD {
  int n;

  int64_t modulus() const { return int64_t{1} << n; }
  uint32_t bits(int64_t v) const { return static_cast<uint32_t>(v & (modulus() - 1)); }
  int32_t wrap(int64_t v) const {
    const int64_t b = bits(v);
    return static_cast<int32_t>(b >= modulus() / 2 ? b - modulus() : b);
  }
  int32_t lowest() const { return static_cast<int32_t>(-(modulus() / 2)); }
  int32_t highest() const { return static_cast<int32_t>(modulus() / 2 - 1); }
  int32_t rotate_left(int32_t v, int k) const {
    const uint64_t b = bits(v);
    return wrap(static_cast<int64_t>((b << k) | (b >> (n - k))));
  }
};

struct CONFIGURATION {
  int n, x, m, l;
};

std::string describe(const CONFIGURATION& c) {
  return "N=" + std::to_string(c.n) + " X=" + std::to_string(c.x) + " M=" + std::to_string(c.m) +
         " L=" + std::to_string(c.l);
}

// Deep enough for the recursive program: sum(10) nests eleven calls below main.
constexpr int stack_depth = 16;
constexpr long step_limit = 3'000'000;

// Every combination of the sizes: eight registers send nearly every variable to RAM; L = 6 is a
// 64-word RAM; L above N needs two RAM access registers; M = 24 makes ROM addresses wide.
std::vector<CONFIGURATION> configurations() {
  std::vector<CONFIGURATION> all;
  for (int n : {8, 12, 16})
    for (int x : {8, 32})
      for (int m : {16, 24})
        for (int l : {6, 9, 16}) all.push_back({n, x, m, l});
  return all;
}

std::string corpus_path(const std::string& name) {
  return (std::filesystem::path(GOLDEN_CASES_DIRECTORY).parent_path() / "codegen" / "corpus" / name)
      .string();
}

std::string read_file(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The value of a #define of the program, following names to the processor's own.
int32_t macro_value(const std::string& source, const std::string& text, const WORD& w) {
  if (text == "_TAVREL_N") return w.n;
  if (text == "_TAVREL_INT_MIN") return w.lowest();
  if (text == "_TAVREL_INT_MAX") return w.highest();
  if (text == "_TAVREL_UINT_MAX") return static_cast<int32_t>(w.modulus() - 1);
  if (!text.empty() && (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-'))
    return std::stoi(text);
  std::istringstream lines(source);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string directive, name, value;
    if (words >> directive >> name >> value && directive == "#define" && name == text)
      return macro_value(source, value, w);
  }
  ADD_FAILURE() << "no #define for " << text;
  return 0;
}

// The initialiser list of a global array, as written in the program, wrapped to N bits.
std::vector<int32_t> initializer(const std::string& source, const std::string& array,
                                 const WORD& w) {
  const size_t start = source.find("int " + array + "[");
  const size_t open = source.find('{', start);
  const size_t close = source.find('}', open);
  if (start == std::string::npos || open == std::string::npos || close == std::string::npos) {
    ADD_FAILURE() << "no initialiser for " << array;
    return {};
  }
  std::vector<int32_t> values;
  std::istringstream items(source.substr(open + 1, close - open - 1));
  std::string item;
  while (std::getline(items, item, ',')) {
    item.erase(0, item.find_first_not_of(" \n"));
    item.erase(item.find_last_not_of(" \n") + 1);
    values.push_back(w.wrap(macro_value(source, item, w)));
  }
  return values;
}

int32_t out_address(CONTEXT& context) {
  for (DECLARATOR* declaration : context.c_program.used_declarations) {
    if (declaration->name() == nullptr || *declaration->name()->text != "out") continue;
    if (auto* array = dynamic_cast<ARRAY_TYPE*>(declaration->declared())) return array->ram_start;
  }
  return -1;
}

// Builds the program for one configuration and runs it to its end; answers what went wrong, or
// nothing when `out` holds the expected words (compared as N-bit patterns).
std::string build_and_check(const std::string& path, const CONFIGURATION& c,
                            const std::vector<int32_t>& expected) {
  TEST_CONTEXT test;
  CONTEXT& context = test.context;
  context.machine.configuration.set_data_size(c.n);
  context.machine.configuration.set_register_count(c.x);
  context.machine.configuration.set_pc_width(c.m);
  context.machine.configuration.set_ram_address_width(c.l);
  context.machine.configuration.set_stack_size(stack_depth);
  context.source_paths.add_source_file(path);
  context.project_manager.update();
  if (context.error_handler.error_count() > 0 || context.error_handler.warning_count() > 0)
    return "the build reports:\n" + test.take_output();
  const int32_t out = out_address(context);
  if (out < 0) return "no RAM address for out";

  context.user_interface.stop = false;
  HAZARD_CHECK hazards;
  long steps = 0;
  for (;;) {
    const int64_t address = context.machine.program_counter.value;
    const ASM* object = context.machine.rom.fetch(address);
    if (execute_one(context.machine)) break;
    hazards.observe(address, object, context.machine);
    if (context.error_handler.error_count() > 0 || context.error_handler.warning_count() > 0)
      return "the run reports:\n" + test.take_output();
    if (++steps >= step_limit)
      return "the run does not end within " + std::to_string(step_limit) + " instructions";
  }

  const WORD w{c.n};
  std::ostringstream differences;
  if (hazards.count() != 0) differences << hazards.report();
  for (size_t i = 0; i < expected.size(); ++i) {
    const int32_t got = context.machine.ram.word(out + static_cast<int32_t>(i));
    if (w.bits(got) != w.bits(expected[i]))
      differences << "  out[" << i << "]: expected " << w.wrap(expected[i]) << ", got "
                  << w.wrap(got) << "\n";
  }
  return differences.str();
}

using REFERENCE = std::function<std::vector<int32_t>(const WORD&, const std::string& source)>;

bool every_configuration(const CONFIGURATION&) {
  return true;
}

// Out of a program that checks itself: no failed check, so no first one either.
std::vector<int32_t> no_failed_check(const WORD&, const std::string&) {
  return {0, 0};
}

// Runs one corpus program on every configuration it fits in.
void check_program(const std::string& file, const REFERENCE& reference,
                   const std::function<bool(const CONFIGURATION&)>& fits = every_configuration) {
  const std::string path = corpus_path(file);
  const std::string source = read_file(path);
  ASSERT_FALSE(source.empty()) << "cannot read " << path;
  int checked = 0;
  for (const CONFIGURATION& c : configurations()) {
    if (!fits(c)) continue;
    ++checked;
    const std::vector<int32_t> expected = reference(WORD{c.n}, source);
    const std::string problem = build_and_check(path, c, expected);
    EXPECT_TRUE(problem.empty()) << file << " on " << describe(c) << ":\n" << problem;
  }
  EXPECT_GT(checked, 0);
}

// Shift-and-add multiplication computes the product modulo 2^N.
int32_t product(const WORD& w, int64_t a, int64_t b) {
  return w.wrap(a * b);
}

// CRC-8 with polynomial 0x07, no reflection, initial value and final xor 0.
int32_t crc8(const std::vector<uint32_t>& bytes) {
  uint32_t crc = 0;
  for (uint32_t byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit)
      crc = ((crc & 0x80) != 0 ? (crc << 1) ^ 0x07 : crc << 1) & 0xFF;
  }
  return static_cast<int32_t>(crc);
}

}  // namespace

TEST(C_CORPUS, bubble_sort_orders_a_table_holding_both_ends_of_int) {
  check_program("bubble_sort.c", [](const WORD& w, const std::string& source) {
    const std::vector<int32_t> data = initializer(source, "data", w);
    std::vector<int32_t> out = data;
    std::sort(out.begin(), out.end());
    // A bubble sort swaps each inverted pair exactly once.
    int inversions = 0;
    for (size_t i = 0; i < data.size(); ++i)
      for (size_t j = i + 1; j < data.size(); ++j)
        if (data[i] > data[j]) ++inversions;
    out.push_back(inversions);
    return out;
  });
}

TEST(C_CORPUS, crc_fletcher_sums_and_rotating_hash_of_a_message) {
  // The reference CRC gives the catalogue's check value of "123456789".
  ASSERT_EQ(crc8({'1', '2', '3', '4', '5', '6', '7', '8', '9'}), 0xF4);
  check_program("checksum.c", [](const WORD& w, const std::string& source) {
    const std::vector<int32_t> message = initializer(source, "message", w);
    std::vector<uint32_t> bytes;
    for (int32_t v : message) bytes.push_back(w.bits(v) & 0xFF);
    int64_t s1 = 0, s2 = 0;
    for (int32_t v : message) {
      s1 += v;
      s2 += s1;
    }
    int32_t hash = 0;
    for (size_t i = 0; i < message.size(); ++i) {
      hash = w.wrap(hash ^ w.rotate_left(message[i], static_cast<int>(i % 4) + 1));
      hash = w.rotate_left(hash, 1);
    }
    return std::vector<int32_t>{w.wrap(crc8(bytes)), w.wrap(s1), w.wrap(s2), hash};
  });
}

TEST(C_CORPUS, binary_search_finds_present_keys_and_misses_absent_ones) {
  check_program("binary_search.c", [](const WORD& w, const std::string& source) {
    const std::vector<int32_t> table = initializer(source, "table", w);
    EXPECT_TRUE(std::is_sorted(table.begin(), table.end()));
    std::vector<int32_t> out;
    for (int32_t key : initializer(source, "keys", w)) {
      const auto at = std::lower_bound(table.begin(), table.end(), key);
      out.push_back(at != table.end() && *at == key ? static_cast<int32_t>(at - table.begin())
                                                    : -1);
    }
    return out;
  });
}

// The recursion stack holds Z frames of the largest recursive function; with eight registers
// the frames are mostly RAM words, more than a 64-word RAM has room for: X = 8 with L = 6 is
// left out.
TEST(C_CORPUS, recursive_functions_get_their_parameters_and_locals_back) {
  check_program(
      "recursion.c",
      [](const WORD& w, const std::string&) {
        int64_t factorial_5 = 1, factorial_7 = 1;
        for (int k = 2; k <= 5; ++k) factorial_5 *= k;
        for (int k = 2; k <= 7; ++k) factorial_7 *= k;
        int64_t fib_a = 0, fib_b = 1;  // fib(0), fib(1)
        for (int k = 0; k < 9; ++k) {
          const int64_t next = fib_a + fib_b;
          fib_a = fib_b;
          fib_b = next;
        }
        return std::vector<int32_t>{w.wrap(10 * 11 / 2), w.wrap(factorial_5),
                                    w.wrap(factorial_7), w.wrap(3 * 3 * 3 * 3 * 3),
                                    w.lowest(),          w.wrap(fib_a),
                                    product(w, -7, 13),  w.wrap(-27)};
      },
      [](const CONFIGURATION& c) { return c.x > 8 || c.l > 6; });
}

TEST(C_CORPUS, pointer_walks_read_write_and_compare_through_pointers) {
  check_program("pointer_walk.c", [](const WORD& w, const std::string& source) {
    std::vector<int32_t> s = initializer(source, "samples", w);
    const auto sum = [&](auto first, auto last) {
      return w.wrap(std::accumulate(first, last, int64_t{0}));
    };
    std::vector<int32_t> out;
    out.push_back(sum(s.begin(), s.end()));
    out.push_back(*std::max_element(s.begin(), s.end()));
    std::transform(s.begin() + 2, s.begin() + 6, s.begin() + 2,
                   [&](int32_t v) { return w.wrap(2 * int64_t{v}); });
    std::reverse(s.begin(), s.end());
    out.push_back(s[0]);
    out.push_back(s[4]);
    out.push_back(s[8]);
    out.push_back(w.wrap(int64_t{sum(s.begin(), s.end())} + sum(s.begin() + 6, s.end())));
    out.push_back(*std::max_element(s.begin() + 5, s.end()));
    out.push_back(sum(s.begin(), s.end()));
    return out;
  });
}

TEST(C_CORPUS, comparisons_are_unsigned_exactly_where_an_operand_is) {
  check_program("signed_unsigned.c", [](const WORD& w, const std::string& source) {
    const std::vector<int32_t> v = initializer(source, "values", w);
    const auto count = [&](auto predicate) {
      return static_cast<int32_t>(std::count_if(v.begin(), v.end(), predicate));
    };
    std::vector<int32_t> out(16, 0);
    out[0] = count([](int32_t a) { return a < 0; });
    out[1] = count([&](int32_t a) { return w.bits(a) > 100; });  // u > 100
    out[2] = count([&](int32_t a) { return w.bits(a) < 7; });    // values[i] + zero < 7
    // 200 is an unsigned char constant: unsigned only when it fills the word.
    out[3] = w.n == 8 ? count([&](int32_t a) { return w.bits(a) < 200; })
                      : count([](int32_t a) { return a < 200; });
    // From INT_MAX - 2 up to INT_MAX + 3, counted as unsigned words.
    for (uint32_t u = w.bits(w.highest() - 2); u < w.bits(int64_t{w.highest()} + 3);
         u = w.bits(int64_t{u} + 1))
      ++out[4];
    out[5] = w.n - 1;  // halvings of UINT_MAX down to 1
    out[6] = w.wrap(200);
    out[7] = w.n == 8 ? 2 : 1;  // uc > -1 with uc = 200
    for (size_t i = 0; i < v.size(); ++i)
      for (size_t j = 0; j < v.size(); ++j) {
        const int32_t a = v[i], b = v[j];
        const uint32_t ua = w.bits(a), ub = w.bits(b);
        // out[8..11] compare as int, out[12..15] as unsigned int.
        const bool holds[8] = {(a < b),   (a <= b),   (a > b),   (a >= b),
                               (ua < ub), (ua <= ub), (ua > ub), (ua >= ub)};
        for (int k = 0; k < 8; ++k)
          if (holds[k]) out[8 + k] = w.wrap(int64_t{out[8 + k]} + static_cast<int64_t>(8 * i + j));
      }
    return out;
  });
}

TEST(C_CORPUS, switch_state_machines_decode_frames_and_dispatch_commands) {
  check_program("state_machine.c", [](const WORD& w, const std::string& source) {
    enum { IDLE = 0, LENGTH = 1, DATA = 2, CHECK = 3, ERROR = 9, START = 126 };
    int64_t state = IDLE, remaining = 0, sum = 0, good = 0, bad = 0, skipped = 0, payload = 0;
    for (int32_t b : initializer(source, "stream", w)) {
      switch (state) {
        case IDLE:
          if (b == START) state = LENGTH;
          break;
        case LENGTH:
          remaining = b;
          sum = 0;
          state = b == 0 ? CHECK : DATA;
          break;
        case DATA:
          sum = w.wrap(sum + b);
          remaining = w.wrap(remaining - 1);
          if (remaining == 0) state = CHECK;
          break;
        case CHECK:
          if (b == (sum & 127)) {
            ++good;
            payload = w.wrap(payload + sum);
            state = IDLE;
          } else {
            ++bad;
            state = ERROR;
          }
          break;
        default:
          ++skipped;
          state = IDLE;
      }
    }
    const std::vector<int32_t> commands = initializer(source, "commands", w);
    const auto interpret = [&](size_t first, size_t count) {
      int32_t acc = 0;
      for (size_t k = first; k < first + count; k += 2) {
        const int32_t arg = commands[k + 1];
        switch (commands[k]) {
          case 0:
            acc = arg;
            break;
          case 1:
            acc = w.wrap(int64_t{acc} + arg);
            break;
          case 2:
            acc = w.wrap(int64_t{acc} - arg);
            break;
          case 3:
            acc = w.wrap(int64_t{w.bits(acc)} << arg);
            break;
          case 4:
            acc = w.wrap(acc ^ arg);
            break;
          default:
            acc = w.wrap(-int64_t{acc});
        }
      }
      return acc;
    };
    return std::vector<int32_t>{w.wrap(good),     w.wrap(bad),    w.wrap(skipped),
                                w.wrap(payload),  w.wrap(state),  w.wrap(remaining),
                                interpret(0, 14), interpret(4, 6)};
  });
}

TEST(C_CORPUS, globals_locals_nested_loops_and_calls_with_several_parameters) {
  check_program("mixed.c", [](const WORD& w, const std::string& source) {
    const std::vector<int32_t> weights = initializer(source, "weights", w);
    int64_t calls = 5;
    const auto clamp = [&](int32_t v, int32_t lo, int32_t hi) {
      ++calls;
      return std::clamp(v, lo, hi);
    };
    std::vector<int32_t> grid(9);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
        grid[r * 3 + c] = clamp(w.wrap(r * 3 - c - 15 + int64_t{product(w, 7, r + c)}), -12, 12);
    std::vector<int32_t> sums(3);
    for (int r = 0; r < 3; ++r) {
      int64_t s = 0;
      for (int c = 0; c < 3; ++c) s += product(w, grid[r * 3 + c], weights[c]);
      sums[r] = w.wrap(s);
    }
    // The first row with the largest sum.
    const auto best = std::max_element(sums.begin(), sums.end());
    return std::vector<int32_t>{sums[2],
                                sums[1],
                                sums[0],
                                static_cast<int32_t>(best - sums.begin()),
                                *best,
                                w.wrap(calls),
                                w.wrap(int64_t{grid[4]} + grid[7] - grid[8]),
                                w.wrap(4 * (int64_t{grid[0]} - grid[2])),
                                static_cast<int32_t>(w.bits(grid[1]) >> 1)};
  });
}

TEST(C_CORPUS, locals_declared_after_statements_are_initialised_where_they_stand) {
  check_program("block_declarations.c", no_failed_check);
}

TEST(C_CORPUS, a_for_loop_declares_its_variables_once_and_for_itself_alone) {
  check_program("for_declarations.c", no_failed_check);
}

TEST(C_CORPUS, a_case_runs_its_statements_and_a_break_leaves_its_switch) {
  check_program("switch_clauses.c", no_failed_check);
}

TEST(C_CORPUS, static_locals_keep_their_values_and_extern_declarations_find_their_definition) {
  check_program("storage_classes.c", no_failed_check);
}

// Its globals, the recursion stack and the media of some twenty functions need more than a
// 64-word RAM: L = 6 is left out.
TEST(C_CORPUS, calls_through_function_pointers_reach_the_function_held_and_void_pointers_convert) {
  check_program("function_pointers.c", no_failed_check,
                [](const CONFIGURATION& c) { return c.l > 6; });
}

TEST(C_CORPUS, a_ring_buffer_struct_queues_and_refuses_through_a_pointer) {
  check_program("ring_buffer.c", [](const WORD& w, const std::string& source) {
    const auto capacity = static_cast<size_t>(macro_value(source, "RING_SIZE", w));
    std::deque<int32_t> ring;
    std::vector<int32_t> out(10, 0);
    size_t taken = 0;
    for (int32_t value : initializer(source, "script", w)) {
      if (value == 0) {
        out[taken++] = ring.empty() ? -1 : ring.front();
        if (!ring.empty()) ring.pop_front();
      } else if (ring.size() == capacity) {
        ++out[8];
      } else {
        ring.push_back(value);
      }
    }
    out[7] = static_cast<int32_t>(ring.size());
    out[9] = w.wrap(std::accumulate(ring.begin(), ring.end(), int64_t{0}));
    return out;
  });
}

// The table's entries {code, 0, "text"} are read from the program, one per line.
TEST(C_CORPUS, a_table_of_message_structs_is_sorted_by_whole_entries_and_searched) {
  check_program(
      "message_table.c",
      [](const WORD& w, const std::string& source) {
        struct ENTRY {
          int32_t code;
          std::string text;
        };
        std::vector<ENTRY> table;
        const std::regex entry("\\{(-?\\d+), 0, \"(\\w*)\"\\}");
        for (std::sregex_iterator m(source.begin(), source.end(), entry), end; m != end; ++m)
          table.push_back({std::stoi((*m)[1]), (*m)[2]});
        std::stable_sort(table.begin(), table.end(),
                         [](const ENTRY& a, const ENTRY& b) { return a.code < b.code; });
        std::vector<int32_t> out(14, 0);
        out[0] = static_cast<int32_t>(table.size());
        for (size_t i = 0; i < table.size(); ++i) out[1 + i] = table[i].code;
        const std::vector<int32_t> queries = initializer(source, "queries", w);
        int64_t total = 0;
        for (size_t q = 0; q < queries.size(); ++q) {
          const auto at = std::find_if(table.begin(), table.end(),
                                       [&](const ENTRY& e) { return e.code == queries[q]; });
          out[6 + q] = at == table.end() ? -1 : static_cast<int32_t>(at - table.begin());
          if (at != table.end()) total += static_cast<int64_t>(at->text.size());
        }
        out[10] = w.wrap(total);
        int64_t checksum = 0;
        for (size_t i = 0; i < table.size(); ++i)
          for (size_t k = 0; k < table[i].text.size(); ++k)
            checksum += table[i].text[k] * static_cast<int64_t>(i + k + 1);
        out[11] = w.wrap(checksum);
        return out;
      },
      [](const CONFIGURATION& c) { return c.l > 6; });
}
