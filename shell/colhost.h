#pragma once

#include <cstdint>

// All the set window may ask of the window that hosts it: the number of chambers, the list operations
// its buttons run, the roll timer that runs its sheet, and the set's changed flag.
class ColHost
{
public:
    virtual uint8_t CaveCount() const = 0;
    virtual void ShowCave(int no) = 0;
    virtual void AddCave(int no) = 0;
    virtual void DelCave(int no) = 0;
    virtual void MoveCave(int no, int offset) = 0;
    // Writes the roll code into the roll timer's tag and starts it.
    virtual void startRoll(int code) = 0;
    virtual void stopRoll() = 0;
    virtual bool rollRunning() const = 0;
    virtual void SetChanged() = 0;

protected:
    ~ColHost() = default;
};
