// map_probe: starts a program and waits until it maps a top-level window on the X display.
//
//   map_probe [--timeout-ms N] [--viewable] -- PROGRAM [ARGUMENT...]
//
// On success it prints one line, for example
//   mapped_ms=123.45 window=0x1a00005 width=453 height=535 pid=4242
// where mapped_ms is the time from just before the program's exec to the arrival of the
// MapNotify event, and leaves the program running. The program's standard output goes to the
// probe's standard error, so that the probe's output is that one line, and `$(map_probe ...)`
// returns without waiting for the program to end. Exit status: 0 mapped, 1 timed out (the
// program is then stopped), 2 bad usage, the program could not be started or it ended before
// mapping a window.
//
// Without a window manager (as under Xvfb) top-level windows are children of the root, so
// watching the root's substructure sees them mapped.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kMapped = 0;
constexpr int kTimedOut = 1;
constexpr int kFailed = 2;

struct Options {
  double timeout_ms = 10000;
  bool viewable = false;
  char** command = nullptr;
};

struct Window {
  ::Window id;
  int width;
  int height;
};

double Milliseconds(const timespec& t) {
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return Milliseconds(t);
}

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "map_probe: %s\n", message.c_str());
  std::exit(kFailed);
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--viewable") {
      options.viewable = true;
    } else if (arg == "--timeout-ms" && i + 1 < argc) {
      options.timeout_ms = std::strtod(argv[++i], nullptr);
    } else if (arg == "--" && i + 1 < argc) {
      options.command = argv + i + 1;
      return options;
    } else {
      break;
    }
  }
  Fail("usage: map_probe [--timeout-ms N] [--viewable] -- PROGRAM [ARGUMENT...]");
}

// Reads exactly `size` bytes unless the pipe closes first; returns how many were read.
size_t ReadFully(int fd, void* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = read(fd, static_cast<char*>(buffer) + done, size - done);
    if (n == 0 || (n < 0 && errno != EINTR)) {
      break;
    }
    if (n > 0) {
      done += static_cast<size_t>(n);
    }
  }
  return done;
}

// Forks and execs the command; returns its pid and the monotonic time taken right before exec.
// The child reports the time through a close-on-exec pipe, and the errno if exec fails.
pid_t Start(Display* display, char** command, double& exec_ms) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    Fail(std::string("pipe: ") + std::strerror(errno));
  }
  const pid_t pid = fork();
  if (pid < 0) {
    Fail(std::string("fork: ") + std::strerror(errno));
  }
  if (pid == 0) {
    close(fds[0]);
    close(XConnectionNumber(display));
    dup2(STDERR_FILENO, STDOUT_FILENO);
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    if (write(fds[1], &t, sizeof t) == sizeof t) {
      execvp(command[0], command);
      const int error = errno;
      [[maybe_unused]] const ssize_t ignored = write(fds[1], &error, sizeof error);
    }
    _exit(127);
  }
  close(fds[1]);
  timespec t{};
  if (ReadFully(fds[0], &t, sizeof t) != sizeof t) {
    Fail("could not start the program");
  }
  int error = 0;
  if (ReadFully(fds[0], &error, sizeof error) == sizeof error) {
    Fail(std::string("cannot run ") + command[0] + ": " + std::strerror(error));
  }
  close(fds[0]);
  exec_ms = Milliseconds(t);
  return pid;
}

// The _NET_WM_PID of the window, when it has one.
std::optional<long> WindowPid(Display* display, ::Window window) {
  const Atom property = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::optional<long> pid;
  if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr && format == 32 && count == 1) {
    long value = 0;  // Xlib hands 32-bit items out as longs.
    std::memcpy(&value, data, sizeof value);
    pid = value;
  }
  if (data != nullptr) {
    XFree(data);
  }
  return pid;
}

// Whether the mapped top-level belongs to the program and is the kind of window asked for.
std::optional<Window> Accept(Display* display, const XMapEvent& map, pid_t pid, bool viewable) {
  if (map.override_redirect) {
    return std::nullopt;  // menus, pop-ups and tips, not the program's window
  }
  const std::optional<long> owner = WindowPid(display, map.window);
  if (owner && *owner != pid) {
    return std::nullopt;
  }
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, map.window, &attributes) == 0) {
    return std::nullopt;  // gone again already
  }
  if (viewable && attributes.map_state != IsViewable) {
    return std::nullopt;
  }
  return Window{map.window, attributes.width, attributes.height};
}

// A window may vanish between its MapNotify and our questions about it.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    Fail("cannot open the X display (is DISPLAY set?)");
  }
  XSetErrorHandler(IgnoreXError);
  const ::Window root = XDefaultRootWindow(display);
  // Selected before the program starts, so that no map can be missed.
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  double exec_ms = 0;
  const pid_t pid = Start(display, options.command, exec_ms);
  const double deadline_ms = exec_ms + options.timeout_ms;
  pollfd connection{XConnectionNumber(display), POLLIN, 0};
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type != MapNotify || event.xmap.event != root) {
        continue;
      }
      const double mapped_ms = NowMs();
      if (const auto window = Accept(display, event.xmap, pid, options.viewable)) {
        std::printf("mapped_ms=%.2f window=0x%lx width=%d height=%d pid=%d\n", mapped_ms - exec_ms,
                    window->id, window->width, window->height, pid);
        XCloseDisplay(display);
        return kMapped;
      }
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      Fail("the program ended before it mapped a window (status " + std::to_string(status) + ")");
    }
    const double left_ms = deadline_ms - NowMs();
    if (left_ms <= 0) {
      std::fprintf(stderr, "map_probe: no window mapped within %.0f ms\n", options.timeout_ms);
      kill(pid, SIGTERM);
      waitpid(pid, &status, 0);
      return kTimedOut;
    }
    // Short slices so that a program that dies early is noticed soon.
    poll(&connection, 1, left_ms < 50 ? static_cast<int>(left_ms) + 1 : 50);
  }
}
