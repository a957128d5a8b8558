// The import child run by a test: started with its standard output on a pipe, followed
// mark by mark, and killed at the point the test chooses.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace crash_test {

class ImportChildProcess {
public:
    // Starts the program with the arguments, in this process's environment.
    ImportChildProcess(const std::string& program, const std::vector<std::string>& args);
    // Kills and reaps the child when it is still there.
    ~ImportChildProcess();
    ImportChildProcess(const ImportChildProcess&) = delete;
    ImportChildProcess& operator=(const ImportChildProcess&) = delete;

    bool Running() const { return m_pid > 0; }
    // Reads marks until the start mark and nRecords record marks have come; false when the
    // child ended its output first or stalled.
    bool WaitForRecords(int nRecords);
    // SIGKILL, then every mark written before it is read and the child reaped.
    void Kill();
    // Reads the marks to the end of the output and reaps the child.
    void Finish();

    bool Started() const { return m_bStarted; }
    int RecordsReported() const { return m_nRecords; }
    bool Stalled() const { return m_bStalled; }
    // The wait status of the reaped child.
    int Status() const { return m_nStatus; }
    // The status in words, for failure messages.
    std::string StatusText() const;

private:
    // Reads one batch of marks; false at the end of the output or when nothing came for long.
    bool ReadMarks();
    void Reap();

    pid_t m_pid = -1;
    int m_nOutput = -1;
    bool m_bStarted = false;
    bool m_bStalled = false;
    int m_nRecords = 0;
    int m_nStatus = 0;
};

}  // namespace crash_test
