#include "core/engine/DetachedProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

extern char** environ;

namespace qv {

DetachedProcess::~DetachedProcess() {
    if (pid_ > 0) terminate();
}

bool DetachedProcess::start(const std::filesystem::path& script) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    // Hidden: no terminal input or output; its own session, so a cancel reaches the engine too.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    std::string shell = "/bin/sh";
    std::string path = script.string();
    char* argv[] = {shell.data(), path.data(), nullptr};
    pid_t pid = -1;
    const int error = posix_spawn(&pid, shell.c_str(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    pid_ = error == 0 ? pid : -1;
    return error == 0;
}

bool DetachedProcess::hasEnded() {
    if (pid_ <= 0) return true;
    int status = 0;
    const pid_t result = waitpid(static_cast<pid_t>(pid_), &status, WNOHANG);
    if (result == 0) return false;
    pid_ = -1;
    return true;
}

void DetachedProcess::terminate() {
    if (pid_ <= 0) return;
    kill(-static_cast<pid_t>(pid_), SIGKILL);
    int status = 0;
    waitpid(static_cast<pid_t>(pid_), &status, 0);
    pid_ = -1;
}

}  // namespace qv
