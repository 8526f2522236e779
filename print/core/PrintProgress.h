#pragma once
// Called by the printout before each element row, so the caller can let pending
// events run and abort the canvas (a cancel button) meanwhile.

class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    virtual void Step(int printed, int total) = 0;
};
