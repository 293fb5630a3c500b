// The two ways a test makes writing fail: a file size limit standing in for a full disk (with
// SIGXFSZ ignored, a write past it fails with EFBIG instead of killing the process), and a
// folder without write permission. Root ignores permissions, so under root the folder is
// refused to an unprivileged user that the process becomes for the while.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

// Only this process's writes past bytes fail while it lives.
class FILE_SIZE_LIMIT {
 public:
  explicit FILE_SIZE_LIMIT(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    previous_handler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FILE_SIZE_LIMIT() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    signal(SIGXFSZ, previous_handler_);
  }
  FILE_SIZE_LIMIT(const FILE_SIZE_LIMIT&) = delete;
  FILE_SIZE_LIMIT& operator=(const FILE_SIZE_LIMIT&) = delete;

 private:
  rlimit previous_{};
  sighandler_t previous_handler_ = SIG_DFL;
};

// The folder's write permission is taken away while it lives (and the process acts as nobody
// when it is root); what the folder held stays readable.
class READ_ONLY_FOLDER {
 public:
  explicit READ_ONLY_FOLDER(std::string folder) : folder_(std::move(folder)) {
    chmod(folder_.c_str(), 0555);
    if (geteuid() == 0) was_root_ = seteuid(nobody) == 0;
  }
  ~READ_ONLY_FOLDER() {
    if (was_root_) (void)seteuid(0);
    chmod(folder_.c_str(), 0755);
  }
  READ_ONLY_FOLDER(const READ_ONLY_FOLDER&) = delete;
  READ_ONLY_FOLDER& operator=(const READ_ONLY_FOLDER&) = delete;

 private:
  static constexpr uid_t nobody = 65534;
  std::string folder_;
  bool was_root_ = false;
};

// A shell command line that runs command under a size limit of the given kilobytes.
inline std::string under_file_size_limit(int kilobytes, const std::string& command) {
  // The shell counts ulimit -f in 512-byte blocks.
  return "sh -c \"trap '' XFSZ; ulimit -f " + std::to_string(kilobytes * 2) + "; exec " + command +
         "\"";
}

// A shell command line that runs command without root's right to write any folder.
inline std::string unprivileged(const std::string& command) {
  if (geteuid() != 0) return command;
  return "setpriv --reuid=65534 --regid=65534 --clear-groups " + command;
}

// The names in a folder, to tell that no temporary file was left behind.
inline std::set<std::string> names_in(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}
