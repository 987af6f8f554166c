#pragma once
// The project-wide judgement constants edited together in the standard
// selection: the governing edition, the five creep judgement values, the
// extended creep value and the rank coefficients of the planned maximum load.

#include <QString>
#include <QStringList>
#include <array>

namespace tessaro {

struct Project;

struct JudgementConstants {
    int edition = 1;
    std::array<double, 5> creep{1.0, 0.5, 0.5, 0.2, 0.25}; // creep judgement values 1..5
    double creepExtend = 2.0;
    double tpCoefA = 1.25;
    double tpCoefB = 1.1;
};

JudgementConstants judgementConstants(const Project& p);
// Stores accepted constants into the project's settings; anchor data are not
// touched (changing the edition changes only texts and which constants apply).
void storeJudgementConstants(Project& p, const JudgementConstants& c);

// Short explanations behind the reference buttons of the standard selection.
QString creepReferenceText2000();
QString creepReferenceText2012();
QString loadLimitReferenceText();
// The 2000 edition's limits of the planned maximum load by test kind and
// service period, one line each, and the explanation built on them.
QStringList loadLimitLines2000();
QString loadLimitReferenceText2000();

} // namespace tessaro
