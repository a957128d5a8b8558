// What a command needs around it, made and undone in scope: the start-up of the wizard's
// main window without the window, and the conversion objects of one run.
#pragma once

// COM for this thread, the settings read from "corvane.ini" in the data folder and the
// debug log set up as they say. The settings are never written back: a command changes
// only its own copy in memory.
class TCliSession {
public:
    explicit TCliSession(const char* szCommand);
    ~TCliSession();
    TCliSession(const TCliSession&) = delete;
    TCliSession& operator=(const TCliSession&) = delete;

private:
    bool m_bComInitialized;
};

// The conversion objects (ConvObjects.h) for a run of nMode on the kind nFlag, the kind's
// Outlook items loaded; destroyed with the scope.
class TConversionObjects {
public:
    TConversionObjects(int nMode, int nFlag);
    ~TConversionObjects();
    TConversionObjects(const TConversionObjects&) = delete;
    TConversionObjects& operator=(const TConversionObjects&) = delete;

    bool Created() const { return m_bCreated; }

private:
    bool m_bCreated;
};
