#pragma once
// Records what the report engine draws, for tests that compose without writing.

#include "documents/ReportEngine.h"

#include <vector>

namespace tessaro::test {

struct Recorder {
    std::vector<report::DrawnForm> forms;

    explicit Recorder(report::ReportEngine& engine)
    {
        engine.setObserver([this](const report::DrawnForm& f) { forms.push_back(f); });
    }

    std::vector<report::DrawnForm> of(const QString& file) const { return filter(forms, file); }

    static std::vector<report::DrawnForm> filter(const std::vector<report::DrawnForm>& drawn, const QString& file)
    {
        std::vector<report::DrawnForm> out;
        for (const report::DrawnForm& f : drawn)
            if (f.formName == file)
                out.push_back(f);
        return out;
    }
};

} // namespace tessaro::test
