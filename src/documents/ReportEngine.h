#pragma once
// The report-form engine: composes a document page by page from templates and
// writes it as one PDF file. A page is built by drawing templates one below the
// other: set topMargin, name the template (FormName), fill its fields, DrawForm.
// Finished pages go to the file at once, and pictures are drawn the moment
// their template is, so a document of thousands of pages needs no more memory
// than one page.
//
//   ReportEngine engine;                       // writes TempPreview.pdf
//   engine.setFormName(forms::Title.path());
//   engine.setCharOverFlow(1);
//   engine.Start();
//   engine.setTopMargin(1000);
//   engine.setFormName(forms::Title.path());
//   engine.SetFieldText("Title", "適性試験　データシート");
//   engine.DrawForm();
//   engine.NewPage();
//   engine.setTitle("適性試験　データシート　○○川護岸補強工事");
//   engine.End();
//
// The file carries the title and subject given, the program as author and
// creator, and the date of documentTime() (SOURCE_DATE_EPOCH when set, so that
// a document composed again is the same file). Text is set in the print faces
// of PrintFonts.h, so that it is found and copied as printed.

#include "documents/ReportTemplate.h"

#include <QHash>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class QPainter;

namespace tessaro::report {

// Values of a template's fields by field name.
using Fields = QHash<QString, QString>;

// A picture drawn straight onto the page in vector form (a chart, with its
// texts as text): laid out at its own size, in its own units, and scaled to fit
// its image field keeping its proportions. `draw` paints within
// QRectF(QPointF(0, 0), size) and says whether it could; `name` names the
// picture to observers and in the problems.
struct Picture {
    QString name;
    QSizeF size;
    std::function<bool(QPainter& painter)> draw;
};
using Pictures = QHash<QString, Picture>;

// One template as DrawForm placed it; handed to an observer (tests, tools).
struct DrawnForm {
    int page = 0; // 1-based page of the document
    QString formName;
    int topMargin = 0;
    QHash<QString, QString> texts;
    QHash<QString, QString> images; // picture files, and the names of pictures drawn
};

class ReportEngine {
public:
    // The document goes to outputFile; an empty name composes without writing
    // (pages are counted and observed, nothing is drawn).
    explicit ReportEngine(const QString& outputFile = defaultOutputFile());
    ~ReportEngine();
    ReportEngine(const ReportEngine&) = delete;
    ReportEngine& operator=(const ReportEngine&) = delete;

    // The program's one preview document, TempPreview.pdf in the data folder.
    static QString defaultOutputFile();
    QString outputFile() const { return outputFile_; }

    // Full path of the template the next DrawForm draws; naming a template
    // clears the fields filled so far.
    void setFormName(const QString& path);
    QString FormName() const { return formName_; }
    // 1: a text too large for its field is shrunk or wrapped as the field
    // asks; 0: it is clipped.
    void setCharOverFlow(int value) { charOverFlow_ = value; }
    int CharOverFlow() const { return charOverFlow_; }
    // Where DrawForm places the template's top edge, in 0.01 mm from the top of the page.
    void setTopMargin(int value) { topMargin_ = value; }
    int topMargin() const { return topMargin_; }

    // Begins a new document, replacing any document begun before.
    void Start();
    void SetFieldText(const QString& field, const QString& text);
    // Puts a picture file (SVG, PNG, JPEG, BMP, GIF) into an image field, scaled
    // to fit keeping its proportions.
    void SetFieldImage(const QString& field, const QString& file);
    // Puts a picture drawn by the code into an image field; it is drawn (and
    // released) when the template is.
    void SetFieldPicture(const QString& field, Picture picture);
    // Draws the named template with its filled fields at topMargin. The first
    // template drawn on a page decides the page's orientation.
    void DrawForm();
    // The whole round for one template: names it, places it at `top`, fills
    // its text and image fields and draws it.
    void DrawForm(
        const QString& path, int top, const Fields& texts, const Fields& images = {}, const Pictures& pictures = {});
    // Ends the current page. The next page begins with the next DrawForm, so a
    // NewPage at the end of a chapter never leaves an empty page behind.
    void NewPage();
    // Pages begun since Start.
    int MaxPage() const { return pages_; }
    // What the document's file names it: its title (the document's own title
    // with the works name) and, where it fits, its subject (which anchors).
    void setTitle(const QString& title) { title_ = title; }
    void setSubject(const QString& subject) { subject_ = subject; }

    // With true, a document with any problem (a template, font or picture
    // missing) is not written: End leaves an earlier file as it was and returns
    // false. For documents made without anyone looking at them (the command
    // line); the preview shows what could be composed and names the problems.
    void setRequireComplete(bool require) { requireComplete_ = require; }

    // Finishes the document and commits the output file (a document without
    // any page gets one empty page). False when the file could not be written
    // (every write is checked; an earlier file then stays as it was).
    bool End();

    // The template as loaded (cached per document engine); null when it cannot be read.
    const ReportTemplate* form(const QString& path);

    // What went wrong while composing: templates that cannot be read, fields a
    // template does not have, pictures that cannot be read or drawn, print
    // faces missing, the file that cannot be written. Each problem is listed once.
    const QStringList& problems() const { return problems_; }

    void setObserver(std::function<void(const DrawnForm&)> observer) { observer_ = std::move(observer); }

private:
    struct Output;
    void problem(const QString& text);
    bool beginPage(QPageLayout::Orientation orientation);

    QString outputFile_;
    QString formName_;
    int charOverFlow_ = 1;
    int topMargin_ = 0;
    int pages_ = 0;
    bool pageOpen_ = false;
    QHash<QString, QString> texts_;
    QHash<QString, QString> images_;
    Pictures pictures_;
    QString title_;
    QString subject_;
    bool requireComplete_ = false;
    std::map<QString, std::optional<ReportTemplate>> forms_;
    QStringList problems_;
    std::function<void(const DrawnForm&)> observer_;
    std::unique_ptr<Output> out_;
};

} // namespace tessaro::report
