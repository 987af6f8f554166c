#pragma once
// The initial tension force of an anchor: the lock-off load plus what the
// anchorage set takes back, with the formula written out in the anchor's values
// and the force's gauge pressure on the anchor's jack.

#include "model/AnchorRecord.h"

#include <QDialog>

namespace tessaro {

class DlgSyokikintyouryoku : public QDialog {
    Q_OBJECT
public:
    // Shows the evaluated anchor (JackingForce and SetLoss as EvaluateAnchor left them).
    explicit DlgSyokikintyouryoku(const AnchorRecord& anchor, QWidget* parent = nullptr);

    // Evaluates a copy of the anchor with the open project's settings, shows its
    // initial tension force and returns it (kN).
    static float ShowForm(QWidget* parent, const AnchorRecord& anchor);
};

} // namespace tessaro
