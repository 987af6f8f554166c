#pragma once
// The columns in which the designations of an anchor method are shown and
// registered: designation, loads, area, modulus and bore diameter for every
// type, then the values the type uses (perimeter, sleeves, bodies and strand
// sets), each with its heading, decimals and largest value.

#include "refdb/AnchorProducts.h"

#include <QList>

namespace tessaro::refdb {

enum class DesignationField {
    Yobina,
    Hippari,
    Koufuku,
    Danmenseki,
    Danseikeisuu,
    Sakukoukei,
    MikakeSyuutyou,
    UeMansyon,
    ShitaMansyon,
    KTB_Taikatai,
    KousenNum,
    Taikatai, // strand sets of body `body`
};

struct DesignationColumn {
    DesignationField field;
    QString heading; // two lines, "\n" between them
    int decimals = 0;
    double minimum = 0;
    double maximum = 0;
    int body = 0; // 1 .. 5 for the strand sets of a body
    bool isText() const { return field == DesignationField::Yobina; }
};

inline constexpr int MaxBodies = 5;

// The columns of a type in grid order (type 3 shows a column per body, 1 .. 5).
QList<DesignationColumn> designationColumns(int type);

// The value of a numeric column of a designation, and setting it.
double columnValue(const AnchorDesignation& d, const DesignationColumn& c);
void setColumnValue(AnchorDesignation& d, const DesignationColumn& c, double value);

// Whether a column has to be filled in a row: every column, apart from the
// strand sets of the bodies a designation does not have.
bool columnRequired(const DesignationColumn& c, int bodyCount);

} // namespace tessaro::refdb
