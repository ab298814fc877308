#pragma once

#include <QList>

#include <algorithm>
#include <cmath>

// Samples that are NaN stand for failed measurements and are left out.
inline QList<double> sortedSamples(QList<double> samples)
{
    samples.removeIf([](double value) { return std::isnan(value); });
    std::sort(samples.begin(), samples.end());
    return samples;
}

// The value below which `fraction` of the samples lie, by nearest rank;
// NaN for no samples.
inline double percentile(QList<double> samples, double fraction)
{
    samples = sortedSamples(std::move(samples));
    if (samples.isEmpty())
        return std::nan("");
    const auto rank = qsizetype(std::ceil(fraction * double(samples.size())));
    return samples[std::clamp<qsizetype>(rank - 1, 0, samples.size() - 1)];
}

// The middle value; the mean of the two middle values for an even count.
inline double median(QList<double> samples)
{
    samples = sortedSamples(std::move(samples));
    if (samples.isEmpty())
        return std::nan("");
    const qsizetype half = samples.size() / 2;
    return samples.size() % 2 ? samples[half] : (samples[half - 1] + samples[half]) / 2;
}
