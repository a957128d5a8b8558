// The progress of a run on a terminal: one line, drawn over in place, with the percentage
// done and the items per second. Nothing at all goes out when the stream is no terminal, so
// logs and pipes get no control characters.
#pragma once

#include <chrono>
#include <ostream>
#include <string_view>

class TProgressLine {
public:
    TProgressLine(std::ostream& err, bool bTerminal);
    ~TProgressLine();
    TProgressLine(const TProgressLine&) = delete;
    TProgressLine& operator=(const TProgressLine&) = delete;

    // What is going on while nothing can be counted, such as loading the Outlook items.
    void ShowText(std::string_view text);
    // Starts counting items and their rate from now.
    void StartRun();
    // After each item of the run, with the percentage done.
    void AfterItem(int nPercent);
    // Takes the line away again, so that what follows starts on a clean line.
    void Finish();

private:
    void Draw(std::string_view text);

    std::ostream& m_err;
    const bool m_bTerminal;
    bool m_bDrawn = false;
    int m_nItems = 0;
    int m_nShownPercent = -1;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastDrawn;
};
