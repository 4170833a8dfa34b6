#include "support/Unprivileged.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace kor::testing {

namespace fs = std::filesystem;

namespace {

// Debian's "nobody"; the number where the system names no such user.
constexpr uid_t fallback_uid = 65534;
constexpr gid_t fallback_gid = 65534;

struct Account {
    uid_t uid;
    gid_t gid;
};

Account unprivileged_account() {
    const passwd* nobody = ::getpwnam("nobody");
    return nobody == nullptr ? Account{fallback_uid, fallback_gid}
                             : Account{nobody->pw_uid, nobody->pw_gid};
}

bool running_as_superuser() {
    return ::geteuid() == 0;
}

std::string system_error_text(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::string run_step(const std::function<std::string()>& step) {
    try {
        return step();
    } catch (const std::exception& error) {
        return std::string("exception: ") + error.what();
    }
}

// In the child: give up the superuser's rights for good, groups first (a
// process without them may no longer change its groups).
std::string drop_to(const Account& account) {
    if (::setgroups(0, nullptr) != 0) {
        return system_error_text("setgroups");
    }
    if (::setgid(account.gid) != 0) {
        return system_error_text("setgid");
    }
    if (::setuid(account.uid) != 0) {
        return system_error_text("setuid");
    }
    if (::geteuid() == 0 || ::getegid() == 0) {
        return "still the superuser";
    }
    return "";
}

void write_all(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return;
        }
        done += static_cast<std::size_t>(written);
    }
}

std::string read_all(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

// The child ends with _exit: no exit handlers, no flushing of the buffers it
// copied from the test program, no leak report on the copied heap.
[[noreturn]] void run_in_child(const std::function<std::string()>& step, int result_fd) {
    const std::string refused = drop_to(unprivileged_account());
    write_all(result_fd,
              refused.empty() ? run_step(step) : "could not become an ordinary user: " + refused);
    ::close(result_fd);
    ::_exit(0);
}

std::string wait_for_child(pid_t child, std::string result) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return system_error_text("waitpid");
        }
    }
    if (WIFSIGNALED(status)) {
        return "the step's process ended by signal " + std::to_string(WTERMSIG(status)) +
               " after: " + result;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return "the step's process exited with " + std::to_string(WEXITSTATUS(status)) +
               " after: " + result;
    }
    return result;
}

}  // namespace

void give_to_unprivileged_user(const fs::path& folder) {
    if (!running_as_superuser()) {
        return;
    }
    const Account account = unprivileged_account();
    const auto give = [&](const fs::path& path) {
        if (::lchown(path.c_str(), account.uid, account.gid) != 0) {
            throw std::system_error(errno, std::generic_category(), "lchown " + path.string());
        }
    };
    give(folder);
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        give(entry.path());
    }
}

std::string as_unprivileged_user(const std::function<std::string()>& step) {
    if (!running_as_superuser()) {
        return run_step(step);
    }
    int result_pipe[2];
    if (::pipe(result_pipe) != 0) {
        return system_error_text("pipe");
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(result_pipe[0]);
        ::close(result_pipe[1]);
        return system_error_text("fork");
    }
    if (child == 0) {
        ::close(result_pipe[0]);
        run_in_child(step, result_pipe[1]);
    }
    ::close(result_pipe[1]);
    std::string result = read_all(result_pipe[0]);
    ::close(result_pipe[0]);
    return wait_for_child(child, std::move(result));
}

std::string folder_access(const fs::path& folder) {
    if (::access(folder.c_str(), R_OK | X_OK) != 0) {
        return system_error_text("cannot enter " + folder.string());
    }
    if (::access(folder.c_str(), W_OK) == 0) {
        return "may write in " + folder.string();
    }
    return "read-only";
}

}  // namespace kor::testing
