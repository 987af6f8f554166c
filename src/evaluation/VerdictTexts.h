#pragma once
// The free verdict texts the engineer typed before, remembered in
// "IniHantei.ini" in the data folder: the pass texts in section "HanteiOK" and
// the not-in-service texts in "HanteiNG", each the count under "Num" and the
// texts under "No1" … "No5", most recent first. The lists are a convenience:
// a missing or damaged file gives empty lists and never stops a judgement.

#include <QString>
#include <QStringList>

namespace tessaro {

inline constexpr int RememberedVerdictTexts = 5;

// 1 the pass texts, 2 the not-in-service texts.
QString verdictTextSection(int list);
QString verdictTextsPath();

// The texts of a list: "Num" texts (at most five) from "No1" on, empty ones
// and repeats left out; empty when the file, the section or a usable "Num" is missing.
QStringList readVerdictTexts(const QString& path, int list);

// The list after a text was used: a text not yet in it goes first, the others
// follow in order and the oldest falls off beyond five; a known text changes nothing.
QStringList rememberedVerdictTexts(const QStringList& texts, const QString& used);

// Remembers a used text in the file (created when missing); false when the
// file could not be written. Nothing is written for an empty or known text.
bool rememberVerdictText(const QString& path, int list, const QString& used);

} // namespace tessaro
