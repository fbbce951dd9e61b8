// Running code the way the faults under test need it: another program with
// its output captured, or a piece of this test in a child process whose
// limits and user can be changed without touching the test itself.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orv::testing {

struct ProgramRun {
    int status = -1; // exit status, or -1 when the program did not exit
    std::string out;
    std::string err;
};

// Whether this test was built with AddressSanitizer, which cannot run under
// a memory limit and wants to be the first library loaded.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// Runs the program with `extraEnvironment` ("NAME=value") added; its
// standard output goes to `stdoutPath` when given (a file, /dev/full ...),
// or is captured, or is closed when `stdoutPath` is "-".
inline ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                             const std::vector<std::string>& extraEnvironment = {},
                             const std::string& stdoutPath = {})
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string outFile = (folder / ("orv-run-out-" + std::to_string(::getpid()))).string();
    const std::string errFile = (folder / ("orv-run-err-" + std::to_string(::getpid()))).string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutPath == "-")
        posix_spawn_file_actions_addclose(&actions, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1,
                                         stdoutPath.empty() ? outFile.c_str() : stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment = extraEnvironment;
    for (char** variable = environ; *variable != nullptr; ++variable)
        environment.emplace_back(*variable);
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    ProgramRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(),
                                    envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto slurp = [](const std::string& path) {
        std::string text;
        if (FILE* file = std::fopen(path.c_str(), "rb")) {
            char buffer[4096];
            for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                text.append(buffer, got);
            std::fclose(file);
        }
        return text;
    };
    run.out = slurp(outFile);
    run.err = slurp(errFile);
    std::remove(outFile.c_str());
    std::remove(errFile.c_str());
    return run;
}

// Runs `body` in a child process and gives its exit status (-1 when it
// died of a signal). The child ends with _exit, so nothing of this test's
// state is torn down twice.
inline int InChildProcess(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int status = 99;
        try {
            status = body();
        } catch (...) {
            status = 98;
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The user nobody runs as, for faults that root never meets.
inline constexpr uid_t kNobody = 65534;

} // namespace orv::testing
