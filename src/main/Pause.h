// Every pause of the program goes through Pause, so tests can see the pauses of a run
// without waiting for them.
#pragma once

#include <vector>

// Blocks the calling thread for nMilliseconds; nothing is processed meanwhile.
void Pause(int nMilliseconds);

namespace ui {

class Pauser {
public:
    virtual ~Pauser() = default;
    virtual void Pause(int nMilliseconds) = 0;
};

// Sends every pause to pauser while it lives, then restores the previous one.
class ScopedPauser {
public:
    explicit ScopedPauser(Pauser& pauser);
    ~ScopedPauser();
    ScopedPauser(const ScopedPauser&) = delete;
    ScopedPauser& operator=(const ScopedPauser&) = delete;

private:
    Pauser* m_pPrevious;
};

// Records the pauses instead of waiting, while it lives.
class PauseRecorder : private Pauser {
public:
    PauseRecorder();
    const std::vector<int>& Pauses() const { return m_pauses; }

private:
    void Pause(int nMilliseconds) override;

    std::vector<int> m_pauses;
    ScopedPauser m_scope;
};

}  // namespace ui
