// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace keyvora::bench {

// Timings of one case, in milliseconds. A sample is preempted when another process took the
// processor from the bench while it was timed: on a shared machine that is the machine's noise,
// not the program's.
class Samples {
public:
    void add(double ms, bool preempted = false)
    {
        m_all.push_back(ms);
        if (!preempted)
            m_unpreempted.push_back(ms);
    }
    bool empty() const { return m_all.empty(); }
    std::size_t size() const { return m_all.size(); }
    std::size_t preempted() const { return m_all.size() - m_unpreempted.size(); }

    double median() const { return percentile(m_all, 50); }
    double percentile(double percent) const { return percentile(m_all, percent); }
    double unpreemptedPercentile(double percent) const
    {
        return percentile(m_unpreempted, percent);
    }

private:
    // Nearest rank: the smallest sample that this share of the samples does not exceed.
    static double percentile(std::vector<double> samples, double percent)
    {
        if (samples.empty())
            return std::nan("");
        std::sort(samples.begin(), samples.end());
        const auto rank = std::size_t(std::ceil(percent / 100.0 * double(samples.size())));
        return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
    }

    std::vector<double> m_all;
    std::vector<double> m_unpreempted;
};

} // namespace keyvora::bench
