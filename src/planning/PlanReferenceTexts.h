#pragma once
// What the two reference buttons of the load-plan window explain: how the
// initial load is chosen, and the limits of the planned maximum load, by the
// project's category and the governing edition.

#include <QString>

namespace tessaro {

struct ReferenceText {
    QString title;
    QString text;
};

ReferenceText initialLoadReference(int testCategory, int edition);
ReferenceText plannedMaxLoadReference(int testCategory, int edition);

} // namespace tessaro
