#include "main/cli/ProgressLine.h"

#include <cstdio>
#include <string>

namespace {

// Back to the start of the line and everything on it erased.
constexpr std::string_view kClearLine = "\r\x1b[K";
// The rate is redrawn at this pace even while the percentage stands still.
constexpr auto kRedrawInterval = std::chrono::milliseconds(200);

}  // namespace

TProgressLine::TProgressLine(std::ostream& err, bool bTerminal) : m_err(err), m_bTerminal(bTerminal)
{
    StartRun();
}

TProgressLine::~TProgressLine() { Finish(); }

void TProgressLine::Finish()
{
    if (m_bDrawn)
        m_err << kClearLine << std::flush;
    m_bDrawn = false;
}

void TProgressLine::ShowText(std::string_view text)
{
    if (m_bTerminal)
        Draw(text);
}

void TProgressLine::StartRun()
{
    m_nItems = 0;
    m_nShownPercent = -1;
    m_start = std::chrono::steady_clock::now();
    m_lastDrawn = m_start;
}

void TProgressLine::AfterItem(int nPercent)
{
    ++m_nItems;
    if (!m_bTerminal)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (nPercent == m_nShownPercent && now - m_lastDrawn < kRedrawInterval)
        return;
    const double dSeconds = std::chrono::duration<double>(now - m_start).count();
    char szLine[96];
    std::snprintf(szLine, sizeof szLine, "%3d%%  %d items  %.0f items/s", nPercent, m_nItems,
                  dSeconds > 0 ? m_nItems / dSeconds : 0.0);
    Draw(szLine);
    m_nShownPercent = nPercent;
    m_lastDrawn = now;
}

void TProgressLine::Draw(std::string_view text)
{
    m_err << kClearLine << text << std::flush;
    m_bDrawn = true;
}
