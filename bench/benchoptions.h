#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <cstring>

// The command line of the benchmark and of the programs it starts.
struct BenchOptions {
    QString mode; // "trainer" in a measured child, empty in the driver
    QString applicationFolder; // the folder with orvani-webpane and HTML/
    std::int64_t startNs = 0; // the parent's steadyNowNs() when it started this process
    int runs = 9;
    bool software = false; // the baseline drawn in Qt Quick's software adaptation
    bool valid = true;

    static BenchOptions parse(int argc, char **argv)
    {
        BenchOptions options;
        for (int i = 1; i < argc; ++i) {
            const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
            auto is
                = [&](const char *name) { return std::strcmp(argv[i], name) == 0 && value && ++i; };
            if (std::strcmp(argv[i], "--software") == 0)
                options.software = true;
            else if (is("--mode"))
                options.mode = QString::fromLocal8Bit(value);
            else if (is("--application-folder"))
                options.applicationFolder = QString::fromLocal8Bit(value);
            else if (is("--start-ns"))
                options.startNs = std::strtoll(value, nullptr, 10);
            else if (is("--runs"))
                options.runs = std::atoi(value);
            else
                options.valid = false;
        }
        options.valid = options.valid && options.runs >= 1;
        return options;
    }
};

// The steady clock in nanoseconds: CLOCK_MONOTONIC on Linux, the same clock
// in the driver and in every program it starts.
inline std::int64_t steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
