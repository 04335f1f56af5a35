#include "lab/run/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace curvix {

namespace {

constexpr mode_t NEW_FILE_MODE = 0666;  // before the umask, as a shell redirection creates files

std::string directory_of(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string base_name_of(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

LabStatus failure(const std::string& path, int error) {
  return data_error("cannot write '" + path + "': " + std::strerror(error));
}

bool write_all(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// mkstemp makes the file private; the result should look like any file the
// user writes: an existing target keeps its mode, a new one follows the umask.
mode_t final_mode(const std::string& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return NEW_FILE_MODE & ~mask;
}

// Fills, syncs and closes the open temporary file; closes it in every case.
bool fill_and_close(int fd, const std::string& content, mode_t mode) {
  const bool ok = write_all(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  const int saved = errno;
  const bool closed = ::close(fd) == 0;
  if (!ok) errno = saved;
  return ok && closed;
}

// Makes the rename itself durable; a failure here loses nothing already written.
void sync_directory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

LabStatus write_file_atomically(const std::string& path, const std::string& content) {
  const std::string directory = directory_of(path);
  std::string pattern = directory + "/." + base_name_of(path) + ".tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return failure(path, errno);
  if (!fill_and_close(fd, content, final_mode(path)) || ::rename(name.data(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(name.data());
    return failure(path, error);
  }
  sync_directory(directory);
  return {};
}

}  // namespace curvix
