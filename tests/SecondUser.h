#pragma once
// Another user account, for the tests about what one user can do to another's files: made with
// useradd for one test and removed after it.
#include <atomic>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a child process, under uid and gid when given, and returns what body returned;
// the identity, limits and signals it changes stay in the child. "setuid failed" when the
// identity cannot be taken.
inline std::string RunInChild(const std::function<std::string()>& body,
                              uid_t uid = static_cast<uid_t>(-1),
                              gid_t gid = static_cast<gid_t>(-1)) {
    int fds[2];
    if (pipe(fds) != 0) return "pipe failed";
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::string result;
        bool become = uid != static_cast<uid_t>(-1);
        // The supplementary groups go too: root's would still open root's files.
        if (become && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0))
            result = "setuid failed";
        else
            result = body();
        (void)!write(fds[1], result.data(), result.size());
        close(fds[1]);
        _exit(0);
    }
    close(fds[1]);
    std::string out;
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        out.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return out;
}

class SecondUser {
public:
    SecondUser() {
        if (geteuid() != 0) {
            m_why = "needs root to create a second user";
            return;
        }
        static std::atomic<int> serial{0};
        std::string name = "qlm" + std::to_string(getpid()) + "u" + std::to_string(serial++);
        std::string add = "useradd -M -N -s /usr/sbin/nologin " + name + " >/dev/null 2>&1";
        // useradd waits for the account files' lock, and gives up when others hold it long.
        for (int attempt = 0; attempt < 5 && !Made(); ++attempt) {
            if (std::system(add.c_str()) == 0) m_name = name;
        }
        struct passwd* pw = Made() ? getpwnam(m_name.c_str()) : nullptr;
        if (!pw) {
            m_why = "useradd could not create a second user";
            Remove();
            return;
        }
        m_uid = pw->pw_uid;
        m_gid = pw->pw_gid;
    }
    ~SecondUser() { Remove(); }
    SecondUser(const SecondUser&) = delete;
    SecondUser& operator=(const SecondUser&) = delete;

    bool Made() const { return !m_name.empty(); }
    const std::string& Why() const { return m_why; }
    uid_t Uid() const { return m_uid; }
    gid_t Gid() const { return m_gid; }
    // body in a child process as this user.
    std::string Run(const std::function<std::string()>& body) const {
        return RunInChild(body, m_uid, m_gid);
    }

private:
    void Remove() {
        if (!m_name.empty()) (void)!std::system(("userdel " + m_name + " >/dev/null 2>&1").c_str());
        m_name.clear();
    }

    std::string m_name;
    std::string m_why;
    uid_t m_uid = static_cast<uid_t>(-1);
    gid_t m_gid = static_cast<gid_t>(-1);
};
