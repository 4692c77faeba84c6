#include "PeakMemory.h"

#include <fstream>
#include <string>

namespace {

// The value of one "Name:   1234 kB" line of /proc/self/status, or -1.
long statusKiB(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, name.size() + 1, name + ':') == 0)
            return std::stol(line.substr(name.size() + 1));
    }
    return -1;
}

} // namespace

PeakMemory::PeakMemory() {
    // Writing 5 to clear_refs resets VmHWM to the current resident size.
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    m_reset = clear.good();
    m_baseKiB = statusKiB("VmRSS");
}

long PeakMemory::growthKiB() const {
    return statusKiB("VmHWM") - m_baseKiB;
}
