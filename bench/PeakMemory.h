#pragma once

// Resident memory of this process, read from /proc/self/status, for showing
// that a scan's memory stays flat however large the archive is. Linux only.
class PeakMemory {
public:
    // Starts a measurement: forgets the peak so far (where the kernel allows
    // it) and remembers the current resident size.
    PeakMemory();

    // Growth of the peak resident size since construction, in KiB. When the
    // peak could not be reset this is an upper bound (the process's peak).
    long growthKiB() const;
    bool exact() const { return m_reset; }

private:
    long m_baseKiB = 0;
    bool m_reset = false;
};
