#include "base/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The file a path finally names, through any chain of symbolic links (a dangling link names
// the file it would create). A loop is left as it stands: creating the file then fails.
std::string followed_links(const std::string& path) {
  fs::path current = path;
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(current, error)) break;
    fs::path target = fs::read_symlink(current, error);
    if (error) break;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return current.string();
}

// A new file gets what the process would give it; a replaced one keeps its own permissions.
mode_t mode_for(const std::string& target) {
  struct stat existing;
  if (stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::string temporary_pattern(const std::string& target) {
  const fs::path path = target;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return (folder / ("." + path.filename().string() + ".tmp-XXXXXX")).string();
}

// Writes all of the bytes, retrying after signals; answers 0 or the errno of the failure.
int write_all(int descriptor, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = ::write(descriptor, bytes, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return 0;
}

}  // namespace

// The stream's buffer: full blocks go straight to the descriptor, and the first failure is
// kept for the owner, which then refuses to commit.
class OUTPUT_FILE::BUFFER : public std::streambuf {
 public:
  explicit BUFFER(OUTPUT_FILE& owner) : owner_(owner) {
    setp(block_.data(), block_.data() + block_.size());
  }

 protected:
  int_type overflow(int_type character) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(character, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(character);
      pbump(1);
    }
    return traits_type::not_eof(character);
  }

  int sync() override {
    const std::size_t count = static_cast<std::size_t>(pptr() - pbase());
    setp(block_.data(), block_.data() + block_.size());
    if (owner_.failure_ != 0) return -1;
    if (const int error = write_all(owner_.descriptor_, block_.data(), count)) {
      owner_.fail(error);
      return -1;
    }
    return 0;
  }

 private:
  OUTPUT_FILE& owner_;
  std::array<char, 1 << 16> block_;
};

OUTPUT_FILE::OUTPUT_FILE(const std::string& path) : target_(followed_links(path)) {
  std::error_code ignored;
  if (fs::is_directory(target_, ignored)) {  // no rename could replace it
    fail(EISDIR);
    return;
  }
  std::string pattern = temporary_pattern(target_);
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  descriptor_ = mkstemp(name.data());
  if (descriptor_ < 0) {
    fail(errno);
    return;
  }
  temporary_ = name.data();
  created_ = true;
  fchmod(descriptor_, mode_for(target_));
  buffer_ = std::make_unique<BUFFER>(*this);
  stream_ = std::make_unique<std::ostream>(buffer_.get());
}

OUTPUT_FILE::OUTPUT_FILE() = default;

OUTPUT_FILE::OUTPUT_FILE(OUTPUT_FILE&& other) noexcept {
  *this = std::move(other);
}

OUTPUT_FILE& OUTPUT_FILE::operator=(OUTPUT_FILE&& other) noexcept {
  if (this == &other) return *this;
  discard();
  // The buffer points back at its owner: what it holds goes out first, then the open file
  // gets a buffer of its own.
  if (other.stream_) other.stream_->flush();
  target_ = std::move(other.target_);
  temporary_ = std::exchange(other.temporary_, {});
  descriptor_ = std::exchange(other.descriptor_, -1);
  created_ = other.created_;
  failure_ = other.failure_;
  reason_ = std::move(other.reason_);
  other.stream_.reset();
  other.buffer_.reset();
  if (descriptor_ >= 0) {
    buffer_ = std::make_unique<BUFFER>(*this);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
  }
  return *this;
}

OUTPUT_FILE::~OUTPUT_FILE() {
  discard();
}

void OUTPUT_FILE::fail(int error_number) {
  if (failure_ != 0) return;
  failure_ = error_number;
  reason_ = std::strerror(error_number);
}

void OUTPUT_FILE::close_descriptor() {
  if (descriptor_ < 0) return;
  if (::close(descriptor_) != 0) fail(errno);
  descriptor_ = -1;
}

bool OUTPUT_FILE::finish_writing() {
  if (is_open()) {
    stream_->flush();
    if (failure_ == 0 && fsync(descriptor_) != 0) fail(errno);
    close_descriptor();
  }
  if (failure_ != 0 || temporary_.empty()) {
    discard();
    return false;
  }
  return true;
}

bool OUTPUT_FILE::commit() {
  if (!finish_writing()) return false;
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    fail(errno);
    discard();
    return false;
  }
  temporary_.clear();
  sync_folder();
  return true;
}

// The rename itself reaches the disk with its folder.
void OUTPUT_FILE::sync_folder() const {
  const fs::path folder = fs::path(target_).parent_path();
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  fsync(descriptor);
  ::close(descriptor);
}

void OUTPUT_FILE::discard() {
  stream_.reset();
  buffer_.reset();
  if (descriptor_ >= 0) {
    ::close(descriptor_);
    descriptor_ = -1;
  }
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}
