#pragma once
// What the reference buttons of the judgement windows show: the criteria behind
// the final judgement of a quality-assurance anchor, the ways of taking the
// ultimate pull-out force of a pull-out test, and the table of bond stresses
// between tendon and grout from which the bond-length check takes a value.

#include "planning/PlanReferenceTexts.h"

#include <QStringList>
#include <vector>

namespace tessaro {

ReferenceText finalJudgementReference();
ReferenceText ultimatePullOutReference();

// A table whose cells are values the user can take into an entry box.
struct ReferenceValueTable {
    QString title;
    QString heading; // above the table
    QString rowHeading; // heading of the row captions
    QStringList columns; // column headings
    struct Row {
        QString caption;
        std::vector<double> values; // one per column
    };
    std::vector<Row> rows;
    QString format; // how the values are written, "0.00"
    QString note; // under the table
};

ReferenceValueTable bondStressReference();

} // namespace tessaro
