#pragma once
// Records what the report engine draws, for tests that compose without writing.

#include "documents/ReportEngine.h"

#include <algorithm>
#include <vector>

namespace tessaro::test {

struct Recorder {
    std::vector<report::DrawnForm> forms;

    explicit Recorder(report::ReportEngine& engine)
    {
        engine.setObserver([this](const report::DrawnForm& f) { forms.push_back(f); });
    }

    // The forms drawn from one template, in drawing order.
    std::vector<report::DrawnForm> of(const QString& file) const
    {
        std::vector<report::DrawnForm> out;
        std::copy_if(
            forms.begin(), forms.end(), std::back_inserter(out), [&](const auto& f) { return f.formName == file; });
        return out;
    }
};

} // namespace tessaro::test
