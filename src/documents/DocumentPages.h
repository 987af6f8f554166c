#pragma once
// Lays out a document of chapters block by block: each block is drawn where
// the one before it ended, or at the top of the next page when it does not fit
// above the page number. Every page the layout begins carries its number at
// the foot ("- 1 -" on the first page after the cover).

#include "documents/ReportEngine.h"

namespace tessaro {

namespace forms {
struct FormSpec;
}

class DocumentPages {
public:
    // Blocks begin at Top and end above Bottom (0.01 mm from the top of the page).
    static constexpr int Top = 1500;
    static constexpr int Bottom = 28000;

    // Pages drawn before (a cover) are not numbered and not counted.
    explicit DocumentPages(report::ReportEngine& engine);

    // The template's own height; 0 when it cannot be read.
    int heightOf(const forms::FormSpec& form);
    report::ReportEngine& engine() { return engine_; }

    // Space left on the page.
    int room() const { return Bottom - top_; }

    // Moves to the next page unless `height` fits on this one.
    void makeRoom(int height);
    // Draws the block at the current position after making room for it. The
    // block takes `height` of the page (its template's height when negative):
    // a block whose lower part stays empty may take less.
    void place(const forms::FormSpec& form, const report::Fields& texts = {}, const report::Fields& images = {},
        int height = -1, const report::Pictures& pictures = {});
    // Leaves `height` free below the last block (none at the top of a page).
    void space(int height);
    // The next block begins a page.
    void newPage();
    // Begins a numbered page that the caller fills whole (a calculation sheet
    // drawn by the engine directly); the next block begins a page after it.
    void beginWholePage();

private:
    void beginPage();

    report::ReportEngine& engine_;
    int firstPage_;
    int top_ = Top;
    bool open_ = false;
};

// The height a text takes when wrapped into a field `width` wide at `points`,
// estimated from above (every character taken at the width of a Japanese one,
// lines a little further apart than the print faces set them): a block of free text takes this much of the page
// and the rest of its field stays free for what follows.
int wrappedTextHeight(const QString& text, int width, double points);

} // namespace tessaro
