#pragma once
// The chapters every plan and report begins with, whatever the test: the cover,
// the general rules with the outline of the works, and the test equipment with
// the jack sketch; and the sketch as the documents print it.

#include "documents/DocumentFamily.h"
#include "documents/DocumentInputs.h"
#include "documents/JackSketch.h"
#include "documents/ReportEngine.h"

namespace tessaro {

class DocumentPages;
struct Project;

namespace forms {
struct FormSpec;
}

// Free space above a chapter that follows another on the same page.
inline constexpr int ChapterGap = 700;

// Begins the document (its file names its title and the anchors printed).
void startPlanReport(report::ReportEngine& engine, const Project& p, DocumentFamily family, int first, int last);

// The cover page: title, works name when asked for, date and contractors.
void drawCover(report::ReportEngine& engine, const Project& p, DocumentFamily family, const DocumentInputs& in);

// The general-rules sentence naming the test, then the outline's ten items.
void drawGeneralRulesAndOutline(
    DocumentPages& pages, const Project& p, DocumentFamily family, const DocumentInputs& in, const QString& testName);

// The equipment chapter (`form` offers Set, Torituke, Yuatu, ZuMidashi and the
// image Zu): the three jack texts, and with the sketch option its caption and
// the sketch (`sketch` empty leaves its area blank).
void drawEquipment(DocumentPages& pages, const forms::FormSpec& form, const DocumentInputs& in, const QString& sketch);

// The sketch to print when the option is on; one that cannot be printed is
// told (information) and left out.
PreparedSketch sketchOf(const DocumentInputs& in);

// The summary text's block: the template's own lines above the text and the
// text's wrapped height, so that what follows is not pushed to a new page.
int summaryHeight(const QString& text);

} // namespace tessaro
