#pragma once
// The anchor-product database as the windows use it: the anchor methods
// (ComboTBL), the designations of a method (AnchorTBL) and the strand sets of
// the load-distribution designations (the view BunsanTaikatai).
//
// Every function opens the database named in IniDatabase.ini for the one call.
// When the file cannot be used the user has been told why, and the function
// gives an empty list, nullopt or false.

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace tessaro::refdb {

// One anchor method (a row of ComboTBL).
struct AnchorMethod {
    QString AncName;        // ANC_NAME, method (product) name
    int AncType = 0;        // ANC_TYPE, anchor type 0 .. 5
    int AncTypeSyousai = 0; // Anc_TypeSyousai, type detail
    int KintyouType = 0;    // Kintyou_Type, tensioning type: 1 = differential pulling head
};

// One designation of a method (a row of AnchorTBL). Loads kN, lengths mm, area
// mm2 (of one strand for load-distribution methods), modulus kN/mm2.
struct AnchorDesignation {
    QString AncName;           // ANC_NAME
    int AncType = 0;           // ANC_TYPE
    QString Yobina;            // designation
    double Hippari = 0;        // tensile load Tus
    double Koufuku = 0;        // yield load Tys
    double Danmenseki = 0;     // sectional area
    double Danseikeisuu = 0;   // tendon elastic modulus
    double Sakukoukei = 0;     // bore diameter, reference value
    double UeMansyon = 0;      // upper sleeve length, types 1 and 2
    double ShitaMansyon = 0;   // lower sleeve length, type 2
    double MikakeSyuutyou = 0; // apparent perimeter, types 0 to 2
    int KTB_Taikatai = 0;      // number of load-bearing bodies, type 3
    std::array<int, 5> Taikatai{}; // strand sets of bodies 1 .. 5, type 3
    int KousenNum = 0;         // total number of strand sets, type 3

    bool operator==(const AnchorDesignation&) const = default;
};

// The columns an anchor type uses beyond designation, loads, area, modulus and
// bore diameter; the registration grid shows these and saving writes 0 to the others.
struct TypeColumns {
    bool MikakeSyuutyou = false; // types 0, 1, 2
    bool UeMansyon = false;      // types 1, 2
    bool ShitaMansyon = false;   // type 2
    bool Bodies = false;         // type 3: KTB_Taikatai, KousenNum, Taikatai1 .. KTB_Taikatai
};
TypeColumns columnsOfType(int type);

// The row as it is stored for the type: columns the type does not use set to 0,
// bodies beyond KTB_Taikatai (at most 5) set to 0.
AnchorDesignation keepColumnsOfType(AnchorDesignation row, int type);

// One row of the view BunsanTaikatai: a load-distribution designation with the
// strand sets of its bodies and the type detail and tensioning type of its method.
struct LoadDistributionDesignation {
    QString AncName;               // anc_name
    QString Yobina;                // Yobina
    std::array<int, 5> Taikatai{}; // taikatai1 .. taikatai5
    int KousenNum = 0;             // kousennum
    int AncTypeSyousai = 0;        // Anc_TypeSyousai
    int KintyouType = 0;           // Kintyou_type
};

// All methods, ordered by name ("SELECT * FROM ComboTBL ORDER BY ANC_NAME").
QList<AnchorMethod> anchorMethods();

// The designations of one method and type, in the order they were registered.
QList<AnchorDesignation> designations(const QString& method, int type);

// Replaces the designations of one method and type with rows, in one transaction
// (the old rows stay when anything fails). Each row is stored under method and
// type, with the columns its type does not use written as 0.
bool saveDesignations(const QString& method, int type, const QList<AnchorDesignation>& rows);

// Deletes every designation of one method and type.
bool deleteDesignations(const QString& method, int type);

// All load-distribution designations, by method name and designation.
QList<LoadDistributionDesignation> loadDistributionDesignations();
// The load-distribution designation of a method, nullopt when there is none.
std::optional<LoadDistributionDesignation> loadDistributionDesignation(const QString& method, const QString& yobina);

} // namespace tessaro::refdb
